#include "ui/reportwindow.h"

#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>

#include "files/atomicfile.h"
#include "message/messagetexts.h"
#include "report/reporttext.h"
#include "ui/busywindow.h"
#include "ui/pause.h"
#include "ui/twips.h"

namespace zmp {

namespace {

constexpr int WidthPixels = 558;
constexpr int HeightPixels = 409;
constexpr int BuildDelayMs = 10;
constexpr int AfterWorkPauseMs = 500;

// The saved file is in the single-byte code page of the desktop; the
// report itself is plain ASCII apart from what the user typed in names.
std::string singleByte(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace

ReportWindow::ReportWindow(EditorState& state, MessageService& messages, DialogService& dialogs,
                           QWidget* parent)
    : QDialog(parent), state_(state), messages_(messages), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmPrn"));
    setWindowTitle(QString::fromUtf8(msg::ReportWindowCaption));
    auto* bar = new QMenuBar(this);
    menuBar_ = bar;
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* saveAs = file->addAction(QStringLiteral("&Save As..."));
    saveAs->setObjectName(QStringLiteral("mnuFileSaveAs"));
    QAction* exit = file->addAction(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("mnuFileExit"));
    connect(saveAs, &QAction::triggered, this, &ReportWindow::saveAs);
    connect(exit, &QAction::triggered, this, &QDialog::accept);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("txtPrn"));
    text_->setAccessibleName(tr("Report"));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    text_->setFont(fixed);
    text_->setPlainText(QString::fromUtf8(msg::MakingTextImage));
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("cmdOK"));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    const double dpi = screenDpi(*this);
    resize(twipsToPixels(WidthPixels * TwipsPerPixelAt96Dpi, dpi),
           twipsToPixels(HeightPixels * TwipsPerPixelAt96Dpi, dpi));
    // The window shows its wait text before the report is built.
    timer_.setSingleShot(true);
    timer_.setInterval(BuildDelayMs);
    connect(&timer_, &QTimer::timeout, this, &ReportWindow::buildReport);
    timer_.start();
}

void ReportWindow::buildReport()
{
    const BusyWindow busy(*this);
    const ReportInput input{state_.records, state_.image, state_.model, state_.hasAtis};
    text_->setPlainText(QString::fromStdString(reportText(input)));
    built_ = true;
    pauseMs(AfterWorkPauseMs);
}

std::string ReportWindow::reportContent() const
{
    QString content = text_->toPlainText();
    content.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    content.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return singleByte(content);
}

void ReportWindow::saveAs()
{
    const std::string path = dialogs_.saveFileName(msg::TxtFilter, state_.programDir.string());
    if (path.empty()) {
        state_.declineFileStep();
        return;
    }
    FileError error;
    bool written = false;
    {
        const BusyWindow busy(*this);
        written = writeFileAtomically(path, reportContent() + "\r\n", &error);
        if (written) pauseMs(AfterWorkPauseMs);
    }
    if (written) return;
    state_.failFileStep();
    messages_.inform(modelName(state_.model) + " " + state_.title(), error.description, MessageIcon::Warning);
}

void ReportWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    const double dpi = screenDpi(*this);
    const int menuHeight = menuBar_->sizeHint().height();
    const int width = event->size().width();
    const int height = event->size().height();
    const int margin = twipsToPixels(100, dpi);
    ok_->adjustSize();
    // The box fills the window above a strip that holds the centred OK button.
    const int strip = ok_->height() + 2 * margin;
    menuBar_->setGeometry(0, 0, width, menuHeight);
    text_->setGeometry(margin, menuHeight, width - 2 * margin, height - menuHeight - strip);
    ok_->move((width - ok_->width()) / 2, height - strip + margin);
}

} // namespace zmp
