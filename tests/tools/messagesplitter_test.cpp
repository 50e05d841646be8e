#include <gtest/gtest.h>

#include <vector>

#include "radiosim/messagesplitter.h"

using zmp::radiosim::HostMessage;
using zmp::radiosim::MessageSplitter;

namespace {

std::vector<HostMessage> feed(MessageSplitter& splitter, const std::string& bytes)
{
    std::vector<HostMessage> messages;
    for (char c : bytes)
        if (auto message = splitter.take(static_cast<std::uint8_t>(c))) messages.push_back(*message);
    return messages;
}

} // namespace

TEST(MessageSplitter, cutsTheSynchronisationSequence)
{
    MessageSplitter splitter;
    const auto messages = feed(splitter, "P0ACMD:002\r\n#CMDSY\r\n");
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_EQ(messages[0].kind, HostMessage::Kind::WakeUp);
    EXPECT_EQ(messages[1].kind, HostMessage::Kind::WakeUpFollow);
    EXPECT_EQ(messages[2].kind, HostMessage::Kind::Line);
    EXPECT_EQ(messages[2].text, "ACMD:002");
    EXPECT_EQ(messages[2].raw, "ACMD:002\r\n");
    EXPECT_EQ(messages[3].text, "#CMDSY");
}

TEST(MessageSplitter, keepsPAndZeroInsideALine)
{
    MessageSplitter splitter;
    const auto messages = feed(splitter, "#QMPRD\t0000\t40\t52\r\n");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "#QMPRD\t0000\t40\t52");
}

TEST(MessageSplitter, cancelEndsAHalfLineAndDiscardsIt)
{
    MessageSplitter splitter;
    const auto messages = feed(splitter, std::string("#QMP\x18") + "#CMDSY\r\n");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].kind, HostMessage::Kind::Cancel);
    EXPECT_EQ(messages[1].text, "#CMDSY");
}

TEST(MessageSplitter, ignoresStrayLineEndsAndBoundsLongLines)
{
    MessageSplitter splitter;
    EXPECT_TRUE(feed(splitter, "\r\n\n").empty());
    const auto messages = feed(splitter, std::string(MessageSplitter::MaxLine + 3, 'A') + "\n");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text.size(), MessageSplitter::MaxLine);
    EXPECT_EQ(messages[1].text, "AAA");
}
