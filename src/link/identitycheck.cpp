#include "link/identitycheck.h"

#include <memory>

#include "codec/checksum.h"
#include "link/linkframe.h"
#include "message/controltext.h"
#include "message/messagetexts.h"
#include "model/models.h"

namespace zmp {

namespace {
constexpr int ProductReadLength = 7;
constexpr int ProductLength = 6;

int wordAt(const MemoryImage& image, int address)
{
    return image[address] * 256 + image[address + 1];
}
} // namespace

bool IdentityCheck::run() const
{
    // A Cancel served during the last acknowledgement must stop here: the
    // next block's first attempt would clear it.
    const TransferFlags& flags = link_.context().flags;
    checkModel();
    if (!flags.ErrorFlag && !flags.CancelFlag) checkProduct();
    return !flags.ErrorFlag && !flags.CancelFlag;
}

void IdentityCheck::checkModel() const
{
    guard_.run(msg::SourceChkModel, msg::ModelCheckTitle, [&] { readModelCodes(); });
}

void IdentityCheck::readModelCodes() const
{
    if (!link_.ports().portOpen()) return;
    link_.context().status(msg::ModelChecking);
    auto scratch = std::make_unique<MemoryImage>();
    scratch->lastAddress = image_.lastAddress;
    const auto [first, second] = modelCodeAddresses(image_);
    link_.readBlock(*scratch, first, 2);
    if (!link_.context().flags.ErrorFlag && !link_.context().flags.CancelFlag)
        link_.readBlock(*scratch, second, 2);
    if (reportedBlockFailure()) return;
    const int code = wordAt(*scratch, first);
    if (code == wordAt(*scratch, second) && isKnownModel(model_) && code == ModelCode) return;
    const LinkContext& context = link_.context();
    context.flags.ErrorFlag = true;
    Message message{msg::ReadTitle, msg::ModelTypeError, MessageIcon::Critical};
    message.detail = context.device() + ": the radio reports model code " + std::to_string(code) + " where " +
                     std::to_string(ModelCode) + " is expected. " + msg::OtherModelCode;
    context.host.showMessage(message);
}

void IdentityCheck::checkProduct() const
{
    guard_.run(msg::SourceChkProduct, msg::ModelCheckTitle, [&] {
        if (!link_.ports().portOpen()) return;
        link_.context().status(msg::ProductChecking);
        auto scratch = std::make_unique<MemoryImage>();
        scratch->lastAddress = image_.lastAddress;
        link_.readBlock(*scratch, ProductCodeAddress, ProductReadLength);
        if (!reportedBlockFailure()) compareProduct(*scratch);
    });
}

void IdentityCheck::compareProduct(const MemoryImage& scratch) const
{
    const LinkContext& context = link_.context();
    for (int i = 0; i < ProductLength; ++i) {
        const int address = ProductCodeAddress + i;
        if (scratch[address] == static_cast<unsigned char>(ProductCode[i])) continue;
        if (context.flags.DebugMode) {
            context.message(msg::ProductAddressPrefix + LinkFrame::hexDigits(static_cast<unsigned>(address)) +
                                msg::ProductBytePrefix + LinkFrame::hexDigits(scratch[address]),
                            msg::ProductCodeTitle);
        }
        context.flags.ErrorFlag = true;
        std::string seen;
        for (int k = 0; k < ProductLength; ++k)
            seen += static_cast<char>(scratch[ProductCodeAddress + k]);
        Message message{msg::ReadTitle, msg::ModelTypeError, MessageIcon::Critical};
        message.detail = context.device() + ": the radio reports product code \"" + escapeControls(seen) +
                         "\" where \"" + ProductCode + "\" is expected. " + msg::OtherModelCode;
        context.host.showMessage(message);
        return;
    }
}

// A cancelled block ends the check quietly; a failed one is reported.
bool IdentityCheck::reportedBlockFailure() const
{
    const TransferFlags& flags = link_.context().flags;
    if (flags.CancelFlag) return true;
    if (!flags.ErrorFlag) return false;
    link_.communicationError(msg::ModelCheckTitle);
    return true;
}

} // namespace zmp
