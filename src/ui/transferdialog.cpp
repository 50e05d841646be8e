#include "ui/transferdialog.h"

#include <algorithm>
#include <string>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "files/appsettings.h"
#include "link/linkwords.h"
#include "message/messagetexts.h"
#include "ui/transferpictures.h"
#include "ui/twips.h"
#include "ui/waitcursor.h"

namespace zmp {

namespace {

constexpr int OuterWidthPixels = 465;
constexpr int PictureWidthTwips = 900;
constexpr int PictureHeightTwips = 900;
// Below the pictures the rows follow one another: the phase line, the
// options, the progress bar and the buttons, then a margin of the size of
// the side ones; the window is as tall as they need.
constexpr int MarginTwips = 240;
constexpr int RowGapTwips = 120;
constexpr int LineTwips = 260;
constexpr int ProgressTwips = 300;
constexpr int ButtonWidthTwips = 1200;
constexpr int ButtonHeightTwips = 375;
// How long "Cancelled." stays before the dialog closes.
constexpr int CancelledShownMs = 800;

QString instructionText()
{
    QStringList lines;
    for (const char* line : msg::Instructions)
        lines << QString::fromUtf8(line);
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

TransferDialog::TransferDialog(OperationType type, EditorState& state, SettingsStore& settings,
                               MessageService& messages, SerialPort& port, QWidget* parent,
                               const TransferDevice& device)
    : QDialog(parent), type_(type), state_(state), messages_(messages)
{
    const WaitCursor wait;
    setObjectName(QStringLiteral("frmRadio"));
    setWindowTitle(QString::fromStdString(operationCaption(type)));
    setModal(true);
    clock_.start();
    const AppSettings appSettings(settings);
    LinkOptions options{appSettings.comNum(), state.programDir.string(), appSettings.verifyAfterProgram()};
    options.device = device.path.empty() ? appSettings.portDevice(options.portNumber) : device.path;
    transfer_ = std::make_unique<Transfer>(type, port, *this, state, options);
    createControls(device);
    // The options come before the buttons that act on them, in the Tab order too.
    createVerifyBox(settings, options.verify);
    createCopyBox(settings, appSettings.keepRadioCopy());
    createButtons();
    placeControls();
}

TransferDialog::~TransferDialog()
{
    transfer_->release();
}

void TransferDialog::createControls(const TransferDevice& device)
{
    QFont arial(QStringLiteral("Arial"));
    arial.setStyleHint(QFont::SansSerif);
    setFont(arial);
    message_ = new QLabel(instructionText(), this);
    message_->setObjectName(QStringLiteral("lblmess"));
    monitor_ = new QLabel(this);
    monitor_->setObjectName(QStringLiteral("lblmon"));
    monitor_->setVisible(state_.flags.DebugMode);
    // The debug switch's status lines take the phase's place.
    phase_ = new QLabel(this);
    phase_->setObjectName(QStringLiteral("lblPhase"));
    phase_->setVisible(!state_.flags.DebugMode);
    // Until the transfer starts, the phase line names the device it will
    // use, so that a wrong choice is seen before OK.
    deviceLine_ = QString::fromStdString(device.text);
    phase_->setText(deviceLine_);
    pictA_ = new QLabel(this);
    pictA_->setObjectName(QStringLiteral("pictA"));
    pictB_ = new QLabel(this);
    pictB_->setObjectName(QStringLiteral("pictB"));
    pictAF_ = new QLabel(this);
    pictAF_->setObjectName(QStringLiteral("pictA_F"));
    // A progress bar of the toolkit's, so that assistive technology reads
    // its value; a navy bar without text, as the dialog always had.
    progressBar_ = new QProgressBar(this);
    progressBar_->setObjectName(QStringLiteral("pictProgress"));
    progressBar_->setRange(0, 100);
    progressBar_->setValue(0);
    progressBar_->setTextVisible(false);
    progressBar_->setAccessibleName(QStringLiteral("Progress"));
    QPalette blue = progressBar_->palette();
    blue.setColor(QPalette::Highlight, QColor(0x00, 0x00, 0x80));
    progressBar_->setPalette(blue);
}

void TransferDialog::createButtons()
{
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("cmdOK"));
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("cmdCancel"));
    help_ = new QPushButton(QStringLiteral("Help"), this);
    help_->setObjectName(QStringLiteral("cmdHelp"));
    for (QPushButton* button : {ok_, cancel_, help_})
        button->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, &TransferDialog::onOk);
    connect(cancel_, &QPushButton::clicked, this, &TransferDialog::onCancel);
    connect(help_, &QPushButton::clicked, this,
            [this] { emit helpRequested(linkword::HelpContext, windowTitle()); });
}

// Only a program has something to verify; the choice is remembered.
void TransferDialog::createVerifyBox(SettingsStore& settings, bool checked)
{
    verify_ = new QCheckBox(QStringLiteral("Verify after programming"), this);
    verify_->setObjectName(QStringLiteral("chkVerify"));
    verify_->setChecked(checked);
    verify_->setVisible(type_ == OperationType::Program);
    connect(verify_, &QCheckBox::toggled, this, [this, &settings](bool on) {
        AppSettings(settings).setVerifyAfterProgram(on);
        transfer_->setVerify(on);
    });
}

// Off unless the user asked for it once; remembered like the verify box.
void TransferDialog::createCopyBox(SettingsStore& settings, bool checked)
{
    copy_ = new QCheckBox(QStringLiteral("Keep a copy of the radio before programming"), this);
    copy_->setObjectName(QStringLiteral("chkKeepCopy"));
    copy_->setChecked(checked);
    copy_->setVisible(type_ == OperationType::Program);
    transfer_->setCopyRadioFirst(checked && type_ == OperationType::Program);
    connect(copy_, &QCheckBox::toggled, this, [this, &settings](bool on) {
        AppSettings(settings).setKeepRadioCopy(on);
        transfer_->setCopyRadioFirst(on);
    });
}

void TransferDialog::placeControls()
{
    const QScreen* screen = this->screen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    auto px = [dpi](int twips) { return twipsToPixels(twips, dpi); };
    const int width = px(OuterWidthPixels * TwipsPerPixelAt96Dpi);
    message_->setGeometry(px(240), px(120), width - px(480), px(1150));
    // The pictures' sides show which way the data goes.
    const bool read = type_ == OperationType::Read;
    const int pictureW = px(PictureWidthTwips);
    const int pictureH = px(PictureHeightTwips);
    pictA_->setGeometry(px(read ? 350 : 4100), px(1370), pictureW, pictureH);
    pictB_->setGeometry(px(read ? 4200 : 450), px(1320), pictureW, pictureH);
    pictA_->setPixmap(TransferPictures::radio(pictureW, pictureH));
    pictB_->setPixmap(TransferPictures::computer(pictureW, pictureH));
    const int cableLeft = px(350) + pictureW;
    pictAF_->setGeometry(cableLeft, px(1520), px(4200) - cableLeft, px(600));
    pictAF_->setPixmap(TransferPictures::cable(pictAF_->width(), pictAF_->height()));
    const int picturesBottom = std::max(pictA_->geometry().bottom(), pictB_->geometry().bottom()) + 1;
    layOutRows(dpi, picturesBottom);
    resize(width, layout()->totalSizeHint().height());
    layout()->activate();
}

// The rows under the pictures, in a layout of their own: the pictures
// keep their places and the rows never crowd them.
void TransferDialog::layOutRows(double dpi, int top)
{
    auto px = [dpi](int twips) { return twipsToPixels(twips, dpi); };
    // A long status line is cut, it never widens the window while it runs.
    for (QLabel* line : {monitor_, phase_}) {
        line->setMinimumHeight(px(LineTwips));
        line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    progressBar_->setFixedHeight(px(ProgressTwips));
    auto* rows = new QVBoxLayout;
    rows->setContentsMargins(px(MarginTwips), 0, px(MarginTwips), 0);
    rows->setSpacing(px(RowGapTwips));
    rows->addWidget(monitor_);
    rows->addWidget(phase_);
    auto* options = new QHBoxLayout;
    options->setSpacing(px(MarginTwips));
    options->addWidget(verify_);
    options->addWidget(copy_);
    options->addStretch(1);
    rows->addLayout(options);
    rows->addWidget(progressBar_);
    // The buttons stand evenly spread over the whole width.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {ok_, cancel_, help_}) {
        button->setFixedSize(px(ButtonWidthTwips), px(ButtonHeightTwips));
        buttons->addWidget(button);
        buttons->addStretch(1);
    }
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, top + px(RowGapTwips), 0, px(MarginTwips));
    window->setSpacing(px(2 * RowGapTwips));
    window->addLayout(rows);
    window->addLayout(buttons);
}

void TransferDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (started_) return;
    started_ = true;
    // The given width is the outer one, frame included.
    const int frame = frameGeometry().width() - width();
    if (frame > 0) resize(width() - frame, height());
    // OK takes the first key, in a program as in a read: Space starts the
    // transfer, it does not untick the verify box standing first.
    ok_->setFocus(Qt::OtherFocusReason);
    if (state_.flags.DebugMode) QTimer::singleShot(0, this, [this] { showStatus(msg::DebugStart); });
}

MessageAnswer TransferDialog::showMessage(const Message& message)
{
    return messages_.show(message);
}

void TransferDialog::showStatus(const std::string& text)
{
    if (state_.flags.DebugMode) monitor_->setText(QString::fromStdString(text));
}

void TransferDialog::showProgress(int percent)
{
    progress_ = std::clamp(percent, 0, 100);
    progressBar_->setValue(progress_);
}

// The phase line, and the progress box's value for assistive technology.
void TransferDialog::showPhase(const TransferPhase& phase)
{
    const QString line = QString::fromStdString(phaseLine(phase));
    phase_->setText(line);
    progressBar_->setAccessibleDescription(line);
}

void TransferDialog::setBusy(bool busy)
{
    ok_->setEnabled(!busy);
    help_->setEnabled(!busy);
    verify_->setEnabled(!busy);
    copy_->setEnabled(!busy);
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TransferDialog::processEvents()
{
    QApplication::processEvents(QEventLoop::AllEvents);
}

void TransferDialog::sleep(int ms)
{
    if (ms <= 0) return;
    // The user may press Cancel during the pause, so user input is served.
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

std::int64_t TransferDialog::nowMs()
{
    return clock_.elapsed();
}

void TransferDialog::onOk()
{
    if (transfer_->busy()) return;
    const bool close = transfer_->run();
    showProgress(0);
    if (transfer_->outcome() == TransferOutcome::Cancelled) return endCancelled();
    if (const auto message = transfer_->closingMessage()) showMessage(*message);
    if (close) return accept();
    // The dialog stays for another try: its phase line no longer tells of
    // a wait or a percentage that are over, it names the device OK tries.
    phase_->setText(deviceLine_);
    progressBar_->setAccessibleDescription(deviceLine_);
}

// One press of Cancel ends the dialog: "Cancelled." in it, closed a moment
// later; a radio that may be partly written is told in a box first.
void TransferDialog::endCancelled()
{
    const auto message = transfer_->closingMessage();
    if (message && !message->detail.empty()) showMessage(*message);
    message_->setText(QString::fromUtf8(msg::TransferCancelled));
    ok_->setEnabled(false);
    cancel_->setEnabled(false);
    QTimer::singleShot(CancelledShownMs, this, &QDialog::reject);
}

void TransferDialog::onCancel()
{
    if (transfer_->cancel()) reject();
}

void TransferDialog::closeEvent(QCloseEvent* event)
{
    if (transfer_->busy()) {
        event->ignore();
        return;
    }
    pictA_->hide();
    pictB_->hide();
    pictAF_->hide();
    QDialog::closeEvent(event);
}

void TransferDialog::keyPressEvent(QKeyEvent* event)
{
    // Escape is the close box of a dialog; it is refused while busy.
    if (event->key() == Qt::Key_Escape) {
        if (!transfer_->busy()) reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace zmp
