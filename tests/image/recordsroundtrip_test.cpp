#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>

#include "image/imagecodec.h"
#include "model/models.h"
#include "support/randomrecords.h"
#include "support/recordsdifference.h"

namespace zmp {
namespace {

enum class TableKind { Plan, Wx, Exp };

// The image holds these settings slots; the others live in the records only.
bool heldSetting(int s)
{
    static const int held[] = {5, 6, 7, 8, 9, 10, 11, 13, 15, 16, 18, 19, 20, 21};
    return std::find(std::begin(held), std::end(held), s) != std::end(held);
}

void keepChannelFieldsNotHeld(ChannelRecord& written, const ChannelRecord& read, TableKind kind)
{
    written.Position = read.Position;
    written.DuplexCapable = read.DuplexCapable;
    written.DispayA = read.DispayA;
    written.ReceiveOnly = read.ReceiveOnly;
    if (kind != TableKind::Plan) written.Duplex = read.Duplex;
    if (kind == TableKind::Wx) {
        written.TxEnable = read.TxEnable;
        written.LowPower = read.LowPower;
        written.PowUp = read.PowUp;
        written.Scramble = read.Scramble;
    }
    if (kind != TableKind::Exp) {
        written.CHDisplayL = read.CHDisplayL;
        written.CHDisplayR = read.CHDisplayR;
        written.Txfreq = read.Txfreq;
        written.Rxfreq = read.Rxfreq;
    }
}

void keepTableFieldsNotHeld(ChannelTable& written, const ChannelTable& read, TableKind kind)
{
    for (std::size_t i = 0; i < std::min(written.size(), read.size()); ++i)
        keepChannelFieldsNotHeld(written[i], read[i], kind);
}

void keepMemberFlags(Directory& written, const Directory& read)
{
    for (std::size_t i = 0; i < std::min(written.size(), read.size()); ++i)
        written[i].MemberFlags = read[i].MemberFlags;
}

void keepSettingsNotHeld(Records& written, const Records& read)
{
    for (int s = 0; s < slot::Count; ++s)
        if (!heldSetting(s))
            written.settings[static_cast<std::size_t>(s)] = read.settings[static_cast<std::size_t>(s)];
    for (int s = 59; s < dscslot::Count; ++s)
        written.dscFlags[static_cast<std::size_t>(s)] = read.dscFlags[static_cast<std::size_t>(s)];
    if (written.autoPos.SelectCall >= 2) written.autoPos.LastAddress = read.autoPos.LastAddress;
    written.autoPos.MenuDisplay = read.autoPos.MenuDisplay;
    written.autoPos.RcEnable = read.autoPos.RcEnable;
}

// The written records with the fields the image does not hold as the decode
// leaves them; every other field, one added later included, must survive
// the trip through the image unchanged.
Records withWhatTheImageDoesNotHold(Records written, const Records& read)
{
    written.groups[ExpCh].PriorityCh = read.groups[ExpCh].PriorityCh;
    for (int g = 0; g < ExpCh; ++g)
        written.groups[static_cast<std::size_t>(g)].ExpGroupFlags =
            read.groups[static_cast<std::size_t>(g)].ExpGroupFlags;
    keepSettingsNotHeld(written, read);
    keepTableFieldsNotHeld(written.usa, read.usa, TableKind::Plan);
    keepTableFieldsNotHeld(written.intl, read.intl, TableKind::Plan);
    keepTableFieldsNotHeld(written.can, read.can, TableKind::Plan);
    keepTableFieldsNotHeld(written.wx, read.wx, TableKind::Wx);
    keepTableFieldsNotHeld(written.exp, read.exp, TableKind::Exp);
    keepMemberFlags(written.memoryId, read.memoryId);
    keepMemberFlags(written.groupId, read.groupId);
    written.callSigns = read.callSigns;
    return written;
}

class RecordsRoundTrip : public ::testing::TestWithParam<unsigned> {};

TEST_P(RecordsRoundTrip, DecodeGivesBackEveryFieldTheImageHolds)
{
    test::RandomRecords generator(GetParam());
    Records written = generator.records();
    MemoryImage image;
    std::mt19937 background(GetParam());
    for (auto& b : image.bytes)
        b = static_cast<std::uint8_t>(background());
    ImageCodec::encode(written, ModelMr4400M, image);
    Records read;
    ImageCodec::decode(image, read);
    EXPECT_TRUE(test::sameRecords(withWhatTheImageDoesNotHold(written, read), read));
}

INSTANTIATE_TEST_SUITE_P(Seeds, RecordsRoundTrip, ::testing::Values(7u, 8u, 9u, 1130u));

} // namespace
} // namespace zmp
