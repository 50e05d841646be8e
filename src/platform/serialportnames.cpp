#include "platform/serialportnames.h"

#include <QSerialPortInfo>
#include <QtGlobal>
#include <algorithm>
#include <cctype>
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

std::string SerialPortNames::deviceFor(int number) const
{
#ifdef Q_OS_WIN
    return number >= 1 ? "COM" + std::to_string(number) : std::string();
#else
    if (number < 1) return {};
    if (store_) {
        const std::string stored = AppSettings(*store_).portDevice(number);
        if (!stored.empty()) return stored;
    }
    const std::vector<std::string> devices = devices_ ? devices_() : std::vector<std::string>();
    return static_cast<std::size_t>(number) <= devices.size() ? devices[static_cast<std::size_t>(number) - 1]
                                                              : std::string();
#endif
}

std::vector<std::string> SerialPortNames::systemDevices()
{
    std::vector<std::string> names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        names.push_back(info.systemLocation().toStdString());
    }
    sortNaturally(names);
    return names;
}

void SerialPortNames::sortNaturally(std::vector<std::string>& names)
{
    std::sort(names.begin(), names.end(), naturalLess);
}

} // namespace zmp
