#include "platform/helpviewer.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QUrl>

namespace zmp {

HelpViewer::HelpViewer(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("helpViewer"));
    setWindowTitle(QStringLiteral("Help"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("txtHelp"));
    browser_->setAccessibleName(windowTitle());
    browser_->setOpenLinks(true);
    setFocusProxy(browser_);
    setCentralWidget(browser_);
    createToolBar();
    resize(640, 520);
}

void HelpViewer::createToolBar()
{
    QToolBar* tools = addToolBar(tr("Help"));
    tools->setObjectName(QStringLiteral("tbHelp"));
    tools->setMovable(false);
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back = tools->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("&Back"));
    back->setObjectName(QStringLiteral("cmdHelpBack"));
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    QAction* forward = tools->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("&Forward"));
    forward->setObjectName(QStringLiteral("cmdHelpForward"));
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    QAction* close = tools->addAction(style()->standardIcon(QStyle::SP_DialogCloseButton), tr("&Close"));
    close->setObjectName(QStringLiteral("cmdHelpClose"));
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence::Close});
    connect(close, &QAction::triggered, this, &QWidget::close);
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
    browser_->setSource(url, QTextDocument::HtmlResource);
    browser_->scrollToAnchor(anchorFor(context));
    show();
    raise();
    activateWindow();
    browser_->setFocus();
    return true;
}

QString HelpViewer::anchorFor(int context)
{
    return QStringLiteral("ctx%1").arg(context);
}

} // namespace zmp
