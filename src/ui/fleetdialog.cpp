#include "ui/fleetdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>

#include "exchange/csvfile.h"
#include "fleet/fleetcheck.h"
#include "ui/fleetrunner.h"

namespace zmp {

namespace {

enum Column { NumberColumn, LabelColumn, MmsiColumn, PortColumn, StateColumn, ProgressColumn, ReasonColumn };

QString stateText(const FleetRadio& radio)
{
    switch (radio.phase) {
    case FleetPhase::Queued:
        return QObject::tr("waiting");
    case FleetPhase::Waiting:
        return QObject::tr("waiting for the radio");
    case FleetPhase::Reading:
        return QObject::tr("reading its User MMSI");
    case FleetPhase::Programming:
        return QObject::tr("programming");
    case FleetPhase::Verifying:
        return QObject::tr("verifying");
    case FleetPhase::Finished:
        break;
    }
    return QString::fromStdString(fleetOutcomeText(radio.outcome));
}

QString reasonText(const FleetRadio& radio)
{
    std::string text = radio.reason;
    if (!radio.backupName.empty()) text += (text.empty() ? "backup " : "; backup ") + radio.backupName;
    return QString::fromStdString(text);
}

// "<list>-log.csv" beside the list.
QString logBeside(const QString& list)
{
    const QFileInfo info(list);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("-log.csv"));
}

} // namespace

FleetDialog::FleetDialog(FleetDialogContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context))
{
    setObjectName(QStringLiteral("frmFleet"));
    setWindowTitle(tr("Program a Fleet"));
    list_ = new QLineEdit(this);
    list_->setObjectName(QStringLiteral("txtFleetList"));
    browse_ = new QPushButton(tr("&Browse…"), this);
    browse_->setObjectName(QStringLiteral("cmdFleetBrowse"));
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(list_);
    listRow->addWidget(browse_);
    ports_ = new QLineEdit(QString::fromStdString(context_.port), this);
    ports_->setObjectName(QStringLiteral("txtFleetPorts"));
    ports_->setToolTip(
        tr("One or more serial devices, separated by spaces: one radio on each at the same time"));
    log_ = new QLineEdit(this);
    log_->setObjectName(QStringLiteral("txtFleetLog"));
    log_->setToolTip(tr("One line per radio as it finishes; a run with the same log skips the radios done"));
    fillDirectory_ = new QCheckBox(tr("&Add the other radios to each Individual Directory"), this);
    fillDirectory_->setObjectName(QStringLiteral("chkFleetDirectory"));
    groupMmsi_ = new QLineEdit(this);
    groupMmsi_->setObjectName(QStringLiteral("txtFleetGroupMmsi"));
    groupMmsi_->setPlaceholderText(tr("0MIDXXXXX, or empty"));
    acceptWarnings_ = new QCheckBox(tr("Accept &warnings"), this);
    acceptWarnings_->setObjectName(QStringLiteral("chkFleetAcceptWarnings"));
    again_ = new QCheckBox(
        tr("Program &again: radios the log has done, and radios holding another User MMSI"), this);
    again_->setObjectName(QStringLiteral("chkFleetAgain"));
    auto* form = new QFormLayout;
    // A row of a line and a button gets no buddy from the form: the label's
    // mnemonic goes to the line.
    auto* listLabel = new QLabel(tr("Fleet &list:"), this);
    listLabel->setBuddy(list_);
    form->addRow(listLabel, listRow);
    form->addRow(tr("&Ports:"), ports_);
    form->addRow(tr("Fleet l&og:"), log_);
    form->addRow(QString(), fillDirectory_);
    form->addRow(tr("&Group MMSI:"), groupMmsi_);
    form->addRow(QString(), acceptWarnings_);
    form->addRow(QString(), again_);
    status_ = new QLabel(tr("Connect a radio to each port, then press Start."), this);
    status_->setObjectName(QStringLiteral("lblFleetStatus"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    table_ = new QTableWidget(0, ReasonColumn + 1, this);
    table_->setObjectName(QStringLiteral("tblFleet"));
    table_->setHorizontalHeaderLabels(
        {tr("Radio"), tr("Label"), tr("User MMSI"), tr("Port"), tr("State"), tr("Progress"), tr("Reason")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    // The columns follow their contents as the radios go; the reason takes
    // the rest of the width, and its whole text is its tooltip.
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(ProgressColumn, QHeaderView::Fixed);
    header->resizeSection(ProgressColumn, QProgressBar().sizeHint().width());
    header->setSectionResizeMode(ReasonColumn, QHeaderView::Stretch);
    auto* buttons = new QDialogButtonBox(this);
    start_ = buttons->addButton(tr("&Start"), QDialogButtonBox::ActionRole);
    start_->setObjectName(QStringLiteral("cmdFleetStart"));
    cancel_ = buttons->addButton(QDialogButtonBox::Cancel);
    cancel_->setObjectName(QStringLiteral("cmdFleetCancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(status_);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);
    connect(browse_, &QPushButton::clicked, this, &FleetDialog::chooseList);
    connect(start_, &QPushButton::clicked, this, &FleetDialog::start);
    connect(cancel_, &QPushButton::clicked, this, &FleetDialog::reject);
    resize(760, 480);
}

FleetDialog::~FleetDialog() = default;

bool FleetDialog::running() const
{
    return runner_ && runner_->running();
}

void FleetDialog::chooseList()
{
    if (!context_.chooseList) return;
    const QString path = QString::fromStdString(context_.chooseList());
    if (path.isEmpty()) return;
    list_->setText(path);
    if (log_->text().isEmpty()) log_->setText(logBeside(path));
}

// While the fleet runs, Cancel (or Escape, or the close box) cancels it and
// the dialog stays to show how each radio ended.
void FleetDialog::reject()
{
    if (!running()) {
        QDialog::reject();
        return;
    }
    runner_->cancel();
    cancel_->setEnabled(false);
    say(tr("Cancelling: the radios being programmed stop cleanly; no other radio is started."));
}

void FleetDialog::say(const QString& text)
{
    status_->setText(text);
}

bool FleetDialog::readList(FleetList& list)
{
    const std::string path = list_->text().trimmed().toStdString();
    if (path.empty())
        return say(tr("Choose the fleet list (CSV: Label, User MMSI, optional ATIS Code).")), false;
    std::string text;
    if (const auto error = readCsvFile(path, text))
        return say(QString::fromStdString(path + ": " + *error)), false;
    FleetProblems problems;
    list =
        FleetCheck::read(text, {context_.base, context_.model, context_.hasAtis},
                         {fillDirectory_->isChecked(), groupMmsi_->text().trimmed().toStdString()}, problems);
    const bool accepted = fleetAccepted(problems, acceptWarnings_->isChecked());
    std::string shown;
    for (const FleetProblem& problem : problems)
        shown += problem.text() + "\n";
    shown += fleetVerdict(problems, list.rows.size(), acceptWarnings_->isChecked(),
                          "Accept warnings accepts them");
    say(QString::fromStdString(shown));
    return accepted;
}

void FleetDialog::start()
{
    FleetList list;
    if (!readList(list)) return;
    const QStringList devices =
        ports_->text().split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
    if (devices.isEmpty()) return say(tr("Give at least one port, such as /dev/ttyUSB0 or COM3."));
    FleetLog log;
    if (const std::string path = log_->text().trimmed().toStdString(); !path.empty()) {
        std::string reason;
        std::optional<FleetLog> opened;
        if (logLock_.lock(path, reason)) opened = FleetLog::open(path, reason);
        if (opened && !opened->save(reason)) opened.reset();
        if (!opened) {
            logLock_.unlock();
            return say(QString::fromStdString(path + ": " + reason + " (no radio was touched)"));
        }
        log = std::move(*opened);
    }
    FleetRunSetup setup{std::move(list),
                        context_.base,
                        context_.image,
                        context_.model,
                        {fillDirectory_->isChecked(), groupMmsi_->text().trimmed().toStdString()},
                        again_->isChecked(),
                        std::move(log),
                        {},
                        context_.makePort,
                        {{1, context_.programDir, context_.verify}, context_.switches},
                        context_.backupDir,
                        context_.hasAtis,
                        context_.destination};
    for (const QString& device : devices)
        setup.devices.push_back(device.toStdString());
    runner_ = std::make_unique<FleetRunner>(std::move(setup));
    connect(runner_.get(), &FleetRunner::radioUpdated, this, &FleetDialog::showRadio);
    connect(runner_.get(), &FleetRunner::finished, this, &FleetDialog::showSummary);
    fillTable(runner_->list());
    setRunning(true);
    say(tr("Programming: each port takes the next radio when it is free. Take a radio off when it is done; "
           "the next radio connected is found by itself."));
    runner_->start();
}

void FleetDialog::fillTable(const FleetList& list)
{
    table_->setRowCount(static_cast<int>(list.rows.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const FleetRow& radio = list.rows[static_cast<std::size_t>(row)];
        const QStringList cells{QStringLiteral("%1 of %2").arg(row + 1).arg(table_->rowCount()),
                                QString::fromStdString(radio.label),
                                QString::fromStdString(radio.userMmsi),
                                QString(),
                                tr("waiting"),
                                QString(),
                                QString()};
        for (int column = 0; column < cells.size(); ++column)
            table_->setItem(row, column, new QTableWidgetItem(cells[column]));
        auto* bar = new QProgressBar(table_);
        bar->setAccessibleName(tr("Progress of %1").arg(cells[LabelColumn]));
        table_->setCellWidget(row, ProgressColumn, bar);
    }
}

void FleetDialog::showRadio(const FleetRadio& radio)
{
    const int row = static_cast<int>(radio.row);
    if (row >= table_->rowCount()) return;
    table_->item(row, PortColumn)->setText(QString::fromStdString(radio.device));
    table_->item(row, StateColumn)->setText(stateText(radio));
    QTableWidgetItem* reason = table_->item(row, ReasonColumn);
    reason->setText(reasonText(radio));
    reason->setToolTip(reason->text());
    if (auto* bar = qobject_cast<QProgressBar*>(table_->cellWidget(row, ProgressColumn)))
        bar->setValue(radio.phase == FleetPhase::Finished && fleetDone(radio.outcome) ? 100 : radio.percent);
}

void FleetDialog::showSummary(const FleetSummary& summary)
{
    setRunning(false);
    logLock_.unlock();
    for (const FleetRadio& radio : summary.radios)
        showRadio(radio);
    const std::string text = summary.text(runner_->list());
    // The counts are the summary's last line but the log's problem.
    QStringList lines = QString::fromStdString(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QString shown = lines.value(static_cast<int>(summary.radios.size()));
    if (!summary.logProblem.empty()) shown += QStringLiteral("\n") + lines.last();
    if (summary.count(FleetOutcome::Failed) + summary.count(FleetOutcome::Cancelled) > 0)
        shown +=
            tr("\nA radio that failed or was cancelled may hold a partly written configuration: connect it "
               "again and press Start with the same log; the backups hold what was sent to it.");
    say(shown);
    emit fleetFinished();
}

void FleetDialog::setRunning(bool running)
{
    for (QWidget* input :
         {static_cast<QWidget*>(list_), static_cast<QWidget*>(ports_), static_cast<QWidget*>(log_),
          static_cast<QWidget*>(fillDirectory_), static_cast<QWidget*>(groupMmsi_),
          static_cast<QWidget*>(acceptWarnings_), static_cast<QWidget*>(again_),
          static_cast<QWidget*>(browse_), static_cast<QWidget*>(start_)})
        input->setEnabled(!running);
    cancel_->setEnabled(true);
}

} // namespace zmp
