#include <gtest/gtest.h>

#include <QCoreApplication>

#include "link/radiolink.h"
#include "link/statuscheck.h"
#include "link/synchroniser.h"
#include "link/transferflags.h"
#include "platform/qtserialport.h"
#include "radiosim/radioimage.h"
#include "support/hostclock.h"
#include "support/recordinghost.h"
#include "support/runningradio.h"

namespace zmp {
namespace {

TEST(SerialLink, synchronisesAndChecksStatusOverAPseudoTerminal)
{
    test::RunningRadio radio(radiosim::RadioImage::fresh());
    ASSERT_FALSE(radio.devicePath().empty());
    QtSerialPort port{SerialPortNames(nullptr, [] { return std::vector<SerialDevice>(); })};
    port.setDevicePath(radio.devicePath());
    test::ShortPauseClock clock;
    test::RecordingHost host(clock);
    // The serial-port adapter lives on Qt's event machinery, as in the editor.
    host.eventLoop = [] { QCoreApplication::processEvents(); };
    TransferFlags flags;
    const LinkContext context{port, host, flags, LinkOptions{}, "Read from Radio"};
    const RadioLink link(context);
    ASSERT_TRUE(Synchroniser(link).run());
    EXPECT_TRUE(StatusCheck(link).run());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(flags.ErrorFlag);
    EXPECT_TRUE(port.isOpen());
}

} // namespace
} // namespace zmp
