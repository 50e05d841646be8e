#include "ui/helpwindows.h"

#include <filesystem>
#include <system_error>

#include <QApplication>

#include "message/messagetexts.h"
#include "platform/helpviewer.h"

namespace zmp {

HelpWindows::HelpWindows(QWidget& window, const EditorState& state, MessageService& messages,
                         std::function<QString()> caption)
    : window_(window), state_(state), messages_(messages), caption_(std::move(caption))
{
}

HelpWindows::~HelpWindows() = default;

QString HelpWindows::filePath() const
{
    const char* name = state_.hasAtis ? "QMxx.HLP" : "QMxx_NA.HLP";
    return QString::fromStdString((state_.programDir / name).string());
}

// A help file that cannot be examined (a symbolic link loop, a folder that
// may not be entered) counts as missing.
bool HelpWindows::available() const
{
    std::error_code error;
    return std::filesystem::is_regular_file(filePath().toStdString(), error);
}

void HelpWindows::show(int context, const QString& caption)
{
    const std::string title = (caption.isEmpty() ? caption_() : caption).toStdString();
    if (!available()) {
        messages_.inform(title, msg::NoHelp, MessageIcon::Information);
        return;
    }
    QString error;
    if (!viewerFor(QApplication::activeModalWidget())->openAt(filePath(), context, &error))
        messages_.inform(title, error.toStdString(), MessageIcon::Warning);
}

void HelpWindows::closeAll()
{
    if (viewer_) viewer_->close();
}

// Help asked for while a modal dialog is open is the dialog's window: it
// scrolls, follows links and closes while the dialog waits, and goes with
// the dialog.
HelpViewer* HelpWindows::viewerFor(QWidget* modal)
{
    if (modal && modal != &window_) {
        if (auto* own = modal->findChild<HelpViewer*>(QString(), Qt::FindDirectChildrenOnly)) return own;
        return new HelpViewer(modal);
    }
    if (!viewer_) viewer_ = std::make_unique<HelpViewer>();
    return viewer_.get();
}

} // namespace zmp
