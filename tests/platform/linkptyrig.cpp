#include "linkptyrig.h"

#include <algorithm>
#include <chrono>

#include <QCoreApplication>

#include "link/transferoperation.h"
#include "model/models.h"
#include "platform/qtserialport.h"
#include "platform/serialportnames.h"
#include "radiosim/radioimage.h"

namespace zmp::test {

MessageAnswer PtyHost::showMessage(const Message& message)
{
    messages.push_back(message);
    // An unscripted question is declined, so that a refusing radio can
    // never keep a test asking to re-synchronise.
    if (answers.empty()) return message.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

void PtyHost::processEvents()
{
    QCoreApplication::processEvents();
    if (onEvents) onEvents();
}

void PtyHost::sleep(int ms)
{
    std::this_thread::sleep_for(std::chrono::microseconds(ms * 100));
}

std::int64_t PtyHost::nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool PtyHost::showed(const std::string& text) const
{
    return std::any_of(messages.begin(), messages.end(),
                       [&](const Message& m) { return m.text == text; });
}

radiosim::SimOptions PtyLinkRig::unpaced()
{
    radiosim::SimOptions options;
    options.baud = 0;
    return options;
}

PtyLinkRig::PtyLinkRig(const MemoryImage& radioMemory, const radiosim::SimOptions& options)
    : sim_(radioMemory, options)
{
    image.fill(0xFF);
    thread_ = std::thread([this] { hungUp = sim_.run(); });
    // Port 1 of the serial-port menu stands for the emulator's device, as
    // a user would set it up for a USB cable.
    settings_.setValue("ComPath", "Device1", sim_.devicePath());
    port_ = std::make_unique<QtSerialPort>(SerialPortNames(&settings_));
}

PtyLinkRig::~PtyLinkRig()
{
    stopRadio();
}

bool PtyLinkRig::run(OperationType type)
{
    TransferOperation transfer(*port_, host, flags, image, records, ModelMr4400, LinkOptions{1, {}});
    cancel_ = [&transfer] { return transfer.cancel(); };
    const bool closes = transfer.run(type);
    cancel_ = nullptr;
    transfer.release();
    stopRadio();
    return closes;
}

void PtyLinkRig::cancel()
{
    if (cancel_) cancel_();
}

std::vector<radiosim::RadioRequest> PtyLinkRig::requestsOf(radiosim::RadioRequest::Kind kind) const
{
    std::vector<radiosim::RadioRequest> found;
    for (const auto& request : sim_.protocol().requests())
        if (request.kind == kind) found.push_back(request);
    return found;
}

void PtyLinkRig::stopRadio()
{
    if (!thread_.joinable()) return;
    sim_.stop();
    thread_.join();
}

MemoryImage patternedRadio()
{
    MemoryImage memory = radiosim::RadioImage::fresh();
    for (int a = 0; a < memory.size(); ++a)
        memory[a] = std::uint8_t((a * 7 + (a >> 8)) & 0xFF);
    const auto identity = radiosim::RadioImage::fresh();
    for (int a : {0x80, 0x81, 0x7FFE, 0x7FFF, 0x100, 0x101, 0x102, 0x103, 0x104, 0x105})
        memory[a] = identity[a];
    return memory;
}

} // namespace zmp::test
