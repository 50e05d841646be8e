// Runs every radio operation against a port whose replies come from the
// fuzz input: each write the link makes is answered by the next piece of
// the input, as long as it lasts. A read that does not complete must leave
// the image and the records as they were; a clear that fails must restore
// the image.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "image/newimage.h"
#include "link/transferoperation.h"
#include "model/models.h"

namespace {

std::int64_t clockMs = 0;

class FuzzHost : public zmp::LinkHost {
  public:
    zmp::MessageAnswer showMessage(const zmp::Message& message) override
    {
        // Retry once so the retry paths run too, then give up.
        if (message.buttons == zmp::MessageButtons::RetryCancel && retries_++ == 0)
            return zmp::MessageAnswer::Retry;
        return message.buttons == zmp::MessageButtons::Ok ? zmp::MessageAnswer::Ok
                                                          : zmp::MessageAnswer::Cancel;
    }
    void showStatus(const std::string&) override {}
    void showProgress(int) override {}
    void setBusy(bool) override {}
    void processEvents() override { clockMs += 1; }
    void sleep(int ms) override { clockMs += ms; }
    std::int64_t nowMs() override { return clockMs; }

  private:
    int retries_ = 0;
};

// The first byte of each piece is its length.
class FuzzPort : public zmp::SerialPort {
  public:
    explicit FuzzPort(std::string_view replies) : replies_(replies) {}

    void setPortNumber(int) override {}
    void setSettings(const std::string&) override {}
    bool open() override { return open_ = true; }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    int waitingCount() override { return static_cast<int>(waiting_.size()); }
    int readByte() override
    {
        if (waiting_.empty()) return -1;
        const int byte = static_cast<unsigned char>(waiting_.front());
        waiting_.remove_prefix(1);
        return byte;
    }
    void flush() override { waiting_ = {}; }
    void write(const std::vector<std::uint8_t>&) override
    {
        if (replies_.empty()) return;
        const std::size_t length =
            std::min<std::size_t>(static_cast<unsigned char>(replies_[0]), replies_.size() - 1);
        waiting_ = replies_.substr(1, length);
        replies_.remove_prefix(1 + length);
    }
    // Replies come only after a write, so a wait for more input can only
    // end in the link's time-out: let that come in a few steps.
    void waitForInput(int ms, int wanted) override
    {
        if (static_cast<int>(waiting_.size()) >= wanted) return;
        clockMs += waiting_.empty() ? 500 : std::max(ms, 1);
    }
    zmp::PortError lastError() const override { return {}; }

  private:
    std::string_view replies_;
    std::string_view waiting_;
    bool open_ = false;
};

const zmp::MemoryImage& startImage()
{
    static const zmp::MemoryImage image = [] {
        zmp::Records records;
        zmp::MemoryImage made;
        zmp::makeNewImage(zmp::ModelMr4400, records, made);
        return made;
    }();
    return image;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    const auto type = static_cast<zmp::OperationType>(data[0] % 11);
    FuzzPort port(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    FuzzHost host;
    zmp::TransferFlags flags;
    flags.SlowLink = (data[0] & 0x80) != 0;
    zmp::MemoryImage image = startImage();
    zmp::Records records;
    records.usa[0].ChTag = "UNCHANGED";
    zmp::TransferOperation operation(port, host, flags, image, records, zmp::ModelMr4400,
                                     {1, "/nonexistent"});
    operation.run(type);
    operation.release();
    const bool completed = flags.CompletedFlag && !flags.ErrorFlag;
    const bool imageKept = image.bytes == startImage().bytes;
    if (type == zmp::OperationType::Read && !completed && (!imageKept || records.usa[0].ChTag != "UNCHANGED"))
        __builtin_trap();
    if (zmp::isClearOperation(type) && !completed && !imageKept) __builtin_trap();
    return 0;
}
