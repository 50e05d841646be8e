#include <gtest/gtest.h>

#include <sstream>

#include "cli/messageprinter.h"

namespace zmp {
namespace {

std::string printed(const Message& message)
{
    std::ostringstream err;
    MessagePrinter::print(err, message);
    return err.str();
}

TEST(MessagePrinterTest, everyLineOfTheTextThenTheDetailOnALineOfItsOwn)
{
    const Message message{"Program to Radio", "1\n\nport gone",  MessageIcon::Critical,
                          MessageButtons::Ok, MessageAnswer::Ok, "/dev/ttyUSB0: No such device"};
    EXPECT_EQ(printed(message),
              "zmp-cli: 1\nzmp-cli: \nzmp-cli: port gone\nzmp-cli: /dev/ttyUSB0: No such device\n");
}

TEST(MessagePrinterTest, titleNeverPrintedAndNothingWithoutText)
{
    EXPECT_EQ(printed({"ZMP", "FileSave Error!!", MessageIcon::Warning}), "zmp-cli: FileSave Error!!\n");
    // A silent failure carries no text: its detail alone would say nothing useful.
    EXPECT_EQ(
        printed({"ZMP", "", MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok, "a.dat: gone"}), "");
}

} // namespace
} // namespace zmp
