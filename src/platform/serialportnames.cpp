#include "platform/serialportnames.h"

#include <QSerialPortInfo>
#include <QtGlobal>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <utility>

#include "files/appsettings.h"

namespace zmp {

namespace {
// Compares runs of digits by their value, everything else by character.
bool naturalLess(const std::string& a, const std::string& b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (std::isdigit(static_cast<unsigned char>(a[i])) &&
            std::isdigit(static_cast<unsigned char>(b[j]))) {
            std::size_t endA = i;
            std::size_t endB = j;
            while (endA < a.size() && std::isdigit(static_cast<unsigned char>(a[endA])))
                ++endA;
            while (endB < b.size() && std::isdigit(static_cast<unsigned char>(b[endB])))
                ++endB;
            const std::string numA = a.substr(i, endA - i);
            const std::string numB = b.substr(j, endB - j);
            if (numA.size() != numB.size()) return numA.size() < numB.size();
            if (numA != numB) return numA < numB;
            i = endA;
            j = endB;
        } else {
            if (a[i] != b[j]) return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}
} // namespace

SerialPortNames::SerialPortNames(SettingsStore* store, DeviceList devices)
    : store_(store), devices_(std::move(devices))
{
}

std::string SerialPortNames::storedDevice(int number) const
{
    return store_ ? AppSettings(*store_).portDevice(number) : std::string();
}

std::vector<SerialDevice> SerialPortNames::devices() const
{
    return devices_ ? devices_() : std::vector<SerialDevice>();
}

const SerialDevice* SerialPortNames::find(const std::vector<SerialDevice>& devices, const std::string& name)
{
    for (const SerialDevice& device : devices)
        if (device.location == name || (!device.stableName.empty() && device.stableName == name))
            return &device;
    return nullptr;
}

std::string SerialPortNames::deviceFor(int number) const
{
#ifdef Q_OS_WIN
    return number >= 1 ? "COM" + std::to_string(number) : std::string();
#else
    if (number < 1) return {};
    const std::string stored = storedDevice(number);
    if (!stored.empty()) return stored;
    const std::vector<SerialDevice> listed = devices();
    return static_cast<std::size_t>(number) <= listed.size()
               ? listed[static_cast<std::size_t>(number) - 1].location
               : std::string();
#endif
}

std::string SerialPortNames::labelFor(int number) const
{
    const std::string device = deviceFor(number);
    if (device.empty()) return {};
    const std::vector<SerialDevice> listed = devices();
    const SerialDevice* found = find(listed, device);
    if (found) return found->label();
#ifdef Q_OS_WIN
    return {};
#else
    return present(device) ? device : device + "  " + NotConnected;
#endif
}

bool SerialPortNames::present(const std::string& device)
{
    std::error_code error;
    return std::filesystem::exists(device, error);
}

std::vector<SerialDevice> SerialPortNames::candidates() const
{
    std::vector<SerialDevice> all = devices();
    for (int number = 1; number <= MenuPorts; ++number) {
        const std::string stored = storedDevice(number);
        if (!stored.empty() && !find(all, stored) && present(stored)) all.emplace_back(stored);
    }
    return all;
}

int SerialPortNames::choose(const std::string& device) const
{
    AppSettings settings(*store_);
    const std::vector<SerialDevice> listed = devices();
    const SerialDevice* chosen = find(listed, device);
    const std::string identity = !chosen                      ? device
                                 : chosen->stableName.empty() ? chosen->location
                                                              : chosen->stableName;
    int number = 0;
    for (int n = 1; n <= MenuPorts && number == 0; ++n) {
        const std::string standsFor = deviceFor(n);
        if (standsFor == device || (chosen && find(listed, standsFor) == chosen)) number = n;
    }
    for (int n = 1; n <= MenuPorts && number == 0; ++n)
        if (deviceFor(n).empty()) number = n;
    if (number == 0) number = settings.comNum();
    settings.setComNum(number);
    settings.setPortDevice(number, identity);
    return number;
}

std::string SerialPortNames::identityFor(int number) const
{
#ifdef Q_OS_WIN
    (void)number;
    return {};
#else
    const std::vector<SerialDevice> listed = devices();
    const SerialDevice* found = find(listed, deviceFor(number));
    if (!found) return storedDevice(number);
    return found->stableName.empty() ? found->location : found->stableName;
#endif
}

namespace {

// /dev/serial/by-id names each USB adapter by maker, product and serial
// number: the name that stays when it is plugged in elsewhere.
std::string stableNameOf(const std::string& location)
{
    std::error_code error;
    std::filesystem::directory_iterator it("/dev/serial/by-id", error);
    for (const std::filesystem::directory_iterator end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (std::filesystem::canonical(it->path(), ignored) == std::filesystem::path(location))
            return it->path().string();
    }
    return {};
}

SerialDevice deviceOf(const QSerialPortInfo& info)
{
    SerialDevice device(info.systemLocation().toStdString());
    device.description = info.description().toStdString();
    device.manufacturer = info.manufacturer().toStdString();
    if (info.hasVendorIdentifier()) device.vendorId = info.vendorIdentifier();
    if (info.hasProductIdentifier()) device.productId = info.productIdentifier();
    device.stableName = stableNameOf(device.location);
    return device;
}

} // namespace

std::vector<SerialDevice> SerialPortNames::systemDevices()
{
    std::vector<SerialDevice> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        devices.push_back(deviceOf(info));
    std::sort(devices.begin(), devices.end(), [](const SerialDevice& a, const SerialDevice& b) {
        return naturalLess(a.location, b.location);
    });
    return devices;
}

void SerialPortNames::sortNaturally(std::vector<std::string>& names)
{
    std::sort(names.begin(), names.end(), naturalLess);
}

} // namespace zmp
