#include <gtest/gtest.h>

#include <QCoreApplication>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "files/appsettings.h"
#include "files/memorysettingsstore.h"
#include "link/linkerror.h"
#include "platform/portaccessadvice.h"
#include "platform/qtserialport.h"
#include "platform/serialdeviceuse.h"
#include "platform/serialportnames.h"
#include "support/scratchfolder.h"

namespace zmp {
namespace {

// The master side of a pseudo-terminal; the adapter opens the slave.
class PseudoTerminal {
  public:
    PseudoTerminal()
    {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) slave_ = ptsname(master_);
    }
    ~PseudoTerminal() { hangUp(); }

    const std::string& slave() const { return slave_; }
    void send(const std::string& bytes) const
    {
        EXPECT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    // What arrived at the master within a second, up to count bytes.
    std::string receive(std::size_t count) const
    {
        std::string text;
        pollfd fd{master_, POLLIN, 0};
        while (text.size() < count && ::poll(&fd, 1, 1000) > 0) {
            char buffer[256];
            const ssize_t n = ::read(master_, buffer, std::min(sizeof buffer, count - text.size()));
            if (n <= 0) break;
            text.append(buffer, static_cast<std::size_t>(n));
        }
        return text;
    }
    void hangUp()
    {
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }

  private:
    int master_ = -1;
    std::string slave_;
};

std::string drain(QtSerialPort& port, std::size_t count)
{
    std::string text;
    for (int pass = 0; pass < 500 && text.size() < count; ++pass) {
        port.waitForInput(4, 1);
        while (port.waitingCount() > 0)
            text += static_cast<char>(port.readByte());
    }
    return text;
}

class QtSerialPortTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_FALSE(pty.slave().empty());
        port.setDevicePath(pty.slave());
        port.setSettings("57600,N,8,1");
    }

    PseudoTerminal pty;
    QtSerialPort port{SerialPortNames(nullptr, [] { return std::vector<SerialDevice>(); })};
};

TEST_F(QtSerialPortTest, passesBytesBothWaysOverAPseudoTerminal)
{
    ASSERT_TRUE(port.open()) << port.lastError().description;
    EXPECT_TRUE(port.isOpen());
    port.write({'#', 'C', 'M', 'D', 'S', 'Y', '\r', '\n', 0x18});
    EXPECT_EQ(pty.receive(9), "#CMDSY\r\n\x18");
    pty.send(std::string("#CMDOK\r\n\xff", 9));
    EXPECT_EQ(drain(port, 9), std::string("#CMDOK\r\n\xff", 9));
    EXPECT_EQ(port.readByte(), -1);
}

TEST_F(QtSerialPortTest, setsTheLineSettingsOfTheText)
{
    ASSERT_TRUE(port.open());
    const int fd = ::open(pty.slave().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    termios attributes{};
    ASSERT_EQ(tcgetattr(fd, &attributes), 0);
    ::close(fd);
    EXPECT_EQ(cfgetospeed(&attributes), static_cast<speed_t>(B57600));
    EXPECT_EQ(attributes.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(attributes.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(attributes.c_iflag & (IXON | IXOFF), 0u);
}

TEST_F(QtSerialPortTest, flushDiscardsWaitingInput)
{
    ASSERT_TRUE(port.open());
    pty.send("stale");
    EXPECT_EQ(drain(port, 1).substr(0, 1), "s");
    port.flush();
    EXPECT_EQ(port.waitingCount(), 0);
    pty.send("P");
    EXPECT_EQ(drain(port, 1), "P");
}

TEST_F(QtSerialPortTest, hangUpRaisesLinkErrorInsteadOfWaiting)
{
    ASSERT_TRUE(port.open());
    pty.hangUp();
    EXPECT_THROW(
        {
            for (int pass = 0; pass < 1000; ++pass)
                port.waitForInput(4, 1);
        },
        LinkError);
    EXPECT_FALSE(port.isOpen());
}

TEST(QtSerialPortOpening, missingDeviceFailsWithItsReason)
{
    QtSerialPort port{SerialPortNames(nullptr, [] { return std::vector<SerialDevice>(); })};
    port.setDevicePath("/dev/zmp-no-such-port");
    port.setSettings("19200,N,8,1");
    EXPECT_FALSE(port.open());
    EXPECT_FALSE(port.isOpen());
    EXPECT_NE(port.lastError().number, 0);
    EXPECT_NE(port.lastError().description.find("/dev/zmp-no-such-port"), std::string::npos);
    port.write({'P'});
    port.waitForInput(1, 1);
    EXPECT_EQ(port.readByte(), -1);
}

// A device that cannot be used is named with the reason and what to do.
TEST(QtSerialPortOpening, aDeviceThatCannotBeUsedIsToldWhatToDo)
{
    const PseudoTerminal pty;
    QtSerialPort holder{SerialPortNames(nullptr, [] { return std::vector<SerialDevice>(); })};
    holder.setDevicePath(pty.slave());
    holder.setSettings("19200,N,8,1");
    ASSERT_TRUE(holder.open()) << holder.lastError().description;
    const std::string file = (test::scratchFolder() / "zmp-not-a-port.dat").string();
    std::ofstream(file) << "x";
    const std::string notSerial = " is not a serial device: name the one the radio's cable is plugged into.";
    const std::vector<std::pair<std::string, std::string>> cases{
        {pty.slave(), pty.slave() + ": Permission error while locking the device. " + pty.slave() +
                          " is in use by another program."},
        {"/dev/null", "/dev/null: Inappropriate ioctl for device. /dev/null" + notSerial},
        {file, file + ": Inappropriate ioctl for device. " + file + notSerial},
        // A name that is no path is opened in /dev.
        {"zmp-no-such-port", "/dev/zmp-no-such-port: No such file or directory"},
    };
    for (const auto& [device, description] : cases) {
        QtSerialPort port{SerialPortNames(nullptr, [] { return std::vector<SerialDevice>(); })};
        port.setDevicePath(device);
        port.setSettings("19200,N,8,1");
        EXPECT_FALSE(port.open()) << device;
        EXPECT_EQ(port.lastError().description, description);
    }
    std::filesystem::remove(file);
}

TEST(QtSerialPortOpening, numberWithoutDeviceFails)
{
    QtSerialPort port{SerialPortNames(nullptr, [] { return std::vector<SerialDevice>(); })};
    port.setPortNumber(4);
    EXPECT_FALSE(port.open());
    EXPECT_EQ(port.lastError().description, "no serial device for port 4");
}

TEST(QtSerialPortOpening, storedDeviceOfThePortNumberIsOpened)
{
    PseudoTerminal pty;
    MemorySettingsStore store;
    store.setValue("ComPath", "Device3", pty.slave());
    QtSerialPort port{SerialPortNames(&store, [] { return std::vector<SerialDevice>{"/dev/ttyS0"}; })};
    port.setPortNumber(3);
    port.setSettings("19200,N,8,1");
    ASSERT_TRUE(port.open()) << port.lastError().description;
    port.write({'P'});
    EXPECT_EQ(pty.receive(1), "P");
}

TEST(QtSerialPortSettings, parsesTheSettingsText)
{
    const auto fast = QtSerialPort::parseSettings("57600,N,8,1");
    ASSERT_TRUE(fast);
    EXPECT_EQ(fast->baud, 57600);
    EXPECT_EQ(fast->parity, QSerialPort::NoParity);
    EXPECT_FALSE(QtSerialPort::parseSettings("57600,N,8"));
    EXPECT_FALSE(QtSerialPort::parseSettings("fast,N,8,1"));
    EXPECT_FALSE(QtSerialPort::parseSettings("19200,X,8,1"));
}

TEST(SerialPortNames, storedDeviceWinsOverTheSystemList)
{
    MemorySettingsStore store;
    store.setValue("ComPath", "Device2", "/dev/ttyUSB0");
    const SerialPortNames names(&store, [] { return std::vector<SerialDevice>{"/dev/ttyS0", "/dev/ttyS1"}; });
    EXPECT_EQ(names.deviceFor(1), "/dev/ttyS0");
    EXPECT_EQ(names.deviceFor(2), "/dev/ttyUSB0");
    EXPECT_EQ(names.deviceFor(3), "");
    EXPECT_EQ(names.deviceFor(0), "");
}

TEST(SerialPortNames, choosingAnAdapterRemembersItsStableName)
{
    MemorySettingsStore store;
    SerialDevice adapter("/dev/ttyUSB0");
    adapter.stableName = "/dev/serial/by-id/usb-Prolific_PL2303-if00-port0";
    adapter.vendorId = 0x067b;
    adapter.productId = 0x2303;
    const SerialPortNames names(&store, [&adapter] {
        return std::vector<SerialDevice>{"/dev/ttyS0", adapter};
    });
    EXPECT_EQ(names.identityFor(1), "/dev/ttyS0");
    EXPECT_EQ(names.identityFor(2), adapter.stableName);
    EXPECT_EQ(names.identityFor(3), "");
    EXPECT_EQ(names.labelFor(2), "/dev/ttyUSB0 (USB 067b:2303)");
    EXPECT_EQ(names.labelFor(3), "");
    store.setValue("ComPath", "Device3", adapter.stableName);
    EXPECT_EQ(names.deviceFor(3), adapter.stableName);
    EXPECT_EQ(names.labelFor(3), "/dev/ttyUSB0 (USB 067b:2303)");
    EXPECT_EQ(names.identityFor(3), adapter.stableName);
}

TEST(PortAccessAdvice, namesTheGroupThatOwnsTheDevice)
{
    const std::filesystem::path folder = test::scratchFolder();
    const std::string device = (folder / "zmp-advice-device").string();
    std::ofstream(device) << "";
    const struct group* own = getgrgid(getegid());
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(PortAccessAdvice::ownerGroup(device), own->gr_name);
    // Whoever may open it is told something else holds it.
    EXPECT_EQ(PortAccessAdvice::text(device), device + " is in use by another program.");
    EXPECT_EQ(
        PortAccessAdvice::joinGroupText("/dev/ttyUSB0", "dialout"),
        "You have no permission to use /dev/ttyUSB0. It belongs to the group \"dialout\": add yourself to "
        "it (sudo usermod -aG dialout $USER), then log out and in again.");
    // Nobody is told to join root: a udev rule gives the device a group.
    EXPECT_EQ(
        PortAccessAdvice::joinGroupText("/dev/zmp-ttyUSB7", "root"),
        "You have no permission to use /dev/zmp-ttyUSB7. It belongs to the group \"root\", which no user "
        "should join: give it the group \"dialout\" with a udev rule, a file "
        "/etc/udev/rules.d/60-serial-dialout.rules holding the line KERNEL==\"zmp-ttyUSB7\", "
        "GROUP=\"dialout\", MODE=\"0660\" (then sudo udevadm control --reload && sudo udevadm trigger), "
        "add yourself to that group (sudo usermod -aG dialout $USER), then log out and in again.");
    std::filesystem::remove(device);
}

// A device that is there but that the system does not list (a
// pseudo-terminal) is offered and never called not connected.
TEST(SerialPortNames, onlyADeviceThatIsNotThereIsNotConnected)
{
    const PseudoTerminal pty;
    MemorySettingsStore store;
    store.setValue("ComPath", "Device2", pty.slave());
    store.setValue("ComPath", "Device3", "/dev/zmp-no-such-device");
    const SerialPortNames names(&store, [] { return std::vector<SerialDevice>{"/dev/ttyS0"}; });
    EXPECT_EQ(names.labelFor(2), pty.slave());
    EXPECT_EQ(names.labelFor(3), "/dev/zmp-no-such-device  (not connected)");
    std::vector<std::string> offered;
    for (const SerialDevice& device : names.candidates())
        offered.push_back(device.location);
    EXPECT_EQ(offered, (std::vector<std::string>{"/dev/ttyS0", pty.slave()}));
}

// A chosen device keeps the number that stands for it, or takes the first free one.
TEST(SerialPortNames, choosingADeviceStoresItUnderItsNumber)
{
    MemorySettingsStore store;
    SerialDevice adapter("/dev/ttyUSB0");
    adapter.stableName = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1-if00-port0";
    const SerialPortNames names(&store, [&adapter] {
        return std::vector<SerialDevice>{"/dev/ttyS0", adapter};
    });
    struct Case {
        std::string device;
        int number;
        std::string stored;
    };
    for (const Case& c : std::vector<Case>{{"/dev/ttyUSB0", 2, adapter.stableName},
                                           {"/dev/pts/42", 3, "/dev/pts/42"},
                                           {"/dev/ttyS0", 1, "/dev/ttyS0"},
                                           {"/dev/pts/42", 3, "/dev/pts/42"}}) {
        EXPECT_EQ(names.choose(c.device), c.number) << c.device;
        EXPECT_EQ(AppSettings(store).comNum(), c.number);
        EXPECT_EQ(AppSettings(store).portDevice(c.number), c.stored);
    }
}

// Another program's exclusive hold is seen even by the superuser, whose
// opening it would not stop.
TEST(SerialDeviceUse, aDeviceHeldExclusivelyIsBusy)
{
    const PseudoTerminal pty;
    EXPECT_EQ(SerialDeviceUse::heldElsewhere(pty.slave()), "");
    const int holder = ::open(pty.slave().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::ioctl(holder, TIOCEXCL), 0);
    EXPECT_EQ(SerialDeviceUse::heldElsewhere(pty.slave()), "in use by another program");
    // Let go as a serial port does when it closes.
    ASSERT_EQ(::ioctl(holder, TIOCNXCL), 0);
    ::close(holder);
    EXPECT_EQ(SerialDeviceUse::heldElsewhere(pty.slave()), "");
}

TEST(SerialPortNames, sortsDeviceNumbersByValue)
{
    std::vector<std::string> names = {"/dev/ttyUSB0", "/dev/ttyS10", "/dev/ttyS2", "/dev/ttyACM0",
                                      "/dev/ttyS1"};
    SerialPortNames::sortNaturally(names);
    EXPECT_EQ(names, (std::vector<std::string>{"/dev/ttyACM0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS10",
                                               "/dev/ttyUSB0"}));
}

} // namespace
} // namespace zmp

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
