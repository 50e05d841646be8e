#include "platform/helpviewer.h"

#include <QFile>
#include <QFileInfo>
#include <QTextDocument>
#include <QUrl>

namespace zmp {

HelpViewer::HelpViewer(QWidget* parent) : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("helpViewer"));
    // A window of its own even when it belongs to a dialog.
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Help"));
    setOpenLinks(true);
    resize(640, 520);
}

bool HelpViewer::openAt(const QString& path, int context, QString* error)
{
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        const QString reason = info.isFile() ? file.errorString() : QStringLiteral("Not a regular file");
        if (error) *error = QStringLiteral("Cannot open help file %1: %2").arg(path, reason);
        return false;
    }
    QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
    // The files end in ".HLP"; they are HTML all the same.
    setSource(url, QTextDocument::HtmlResource);
    scrollToAnchor(anchorFor(context));
    show();
    raise();
    activateWindow();
    return true;
}

QString HelpViewer::anchorFor(int context)
{
    return QStringLiteral("ctx%1").arg(context);
}

} // namespace zmp
