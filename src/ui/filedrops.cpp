#include "ui/filedrops.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include "ui/filemenuhandler.h"

namespace zmp {

namespace {

// The one local file a drop carries, or an empty text.
std::string droppedFile(const QMimeData* data)
{
    if (!data || data->urls().size() != 1 || !data->urls().front().isLocalFile()) return {};
    return data->urls().front().toLocalFile().toStdString();
}

} // namespace

FileDrops::FileDrops(QWidget& window, FileMenuHandler& files) : QObject(&window), files_(files)
{
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

bool FileDrops::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const std::string path = droppedFile(drop->mimeData());
    if (path.empty() || !files_.opens(path)) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    // The file opens once the drag has ended, so that its questions are
    // answered outside the drag.
    if (event->type() == QEvent::Drop) QTimer::singleShot(0, this, [this, path] { files_.openChosen(path); });
    return true;
}

} // namespace zmp
