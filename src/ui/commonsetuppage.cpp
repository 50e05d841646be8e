#include "ui/commonsetuppage.h"

#include <map>

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "message/messagetexts.h"
#include "ui/focushints.h"
#include "ui/pagecontrols.h"

namespace zmp {

namespace {

OptionList offOn()
{
    return {{0, "Off"}, {1, "On"}};
}

OptionList resumeTimes()
{
    OptionList list{{0, "Off"}};
    for (int seconds = 1; seconds <= 5; ++seconds)
        list.push_back({seconds, std::to_string(seconds) + "Sec"});
    return list;
}

// The radio's memory has no place for the starting transmit power, so the
// list shows no value and takes no choice: it would reach neither the file
// nor the radio.
bool isProgrammable(int slot)
{
    return slot != slot::TxPoDisplay;
}

std::vector<std::string> textsOf(const OptionList& entries)
{
    std::vector<std::string> texts;
    for (const OptionEntry& entry : entries)
        texts.push_back(entry.Text);
    return texts;
}

} // namespace

const std::vector<CommonSetupPage::Choice>& CommonSetupPage::choices()
{
    static const std::vector<Choice> all{
        {"Scanning Function", "SCAN", "cmbCommonScan", slot::Scan, true, offOn()},
        {"Scanning Function", "Resume Time", "cmbCommonResume", slot::ResumeTime, false, resumeTimes()},
        {"Scanning Function", "PTT SCAN Clear", "cmbCommonPTTSCAN", slot::PttScanClear, true, offOn()},
        {"Scanning Function", "Dual Watch", "cmbCommonDual", slot::DualWatch, true, offOn()},
        {"Starting TX Mode",
         "TX Po Display",
         "cmbCommonTXPo",
         slot::TxPoDisplay,
         false,
         {{0, "Lo Po Only"}, {1, "Lo Po on Changing CH"}, {2, "Last TX Po"}}},
        {"Time Setup",
         "Display",
         "cmbCommonTimedisplay",
         slot::TimeDisplay,
         true,
         {{0, "UTC"}, {1, "Local"}}},
        {"Time Setup", "Offset", "cmbCommonOffset", slot::OffsetTime, false, offsetTimeOptions()},
        {"Time Setup", "Format", "cmbCommonFormat", slot::Format, true, {{0, "12H"}, {1, "24H"}}},
        {"Weather CH Function",
         "Weather Alert",
         "cmbCommonWeater",
         slot::Weater,
         false,
         {{0, "Off"}, {3, "On"}}},
        {"Units of Measure", "SOG", "cmbCommonSOG", slot::Sog, false, sogOptions()},
        {"Units of Measure", "Distance", "cmbCommonDistance", slot::Distance, false, distanceOptions()},
    };
    return all;
}

CommonSetupPage::CommonSetupPage(PageContext context, QWidget* parent) : Page(context, parent)
{
    setObjectName(QStringLiteral("pictCommon"));
    hints_ = new FocusHints(this);
    connect(hints_, &FocusHints::hintShown, this, &Page::hintChanged);
    createControls();
}

void CommonSetupPage::createControls()
{
    auto* layout = new QVBoxLayout(scrolledBody());
    std::map<std::string, QGroupBox*> frames;
    rows_.reserve(choices().size());
    for (const Choice& choice : choices()) {
        QGroupBox*& frame = frames[choice.frame];
        if (!frame) {
            frame = new QGroupBox(QString::fromLatin1(choice.frame), this);
            new QGridLayout(frame);
            layout->addWidget(frame);
        }
        addRow(frame, choice);
    }
    layout->addStretch(1);
}

void CommonSetupPage::addRow(QGroupBox* frame, const Choice& choice)
{
    auto* grid = static_cast<QGridLayout*>(frame->layout());
    Row& row = rows_.emplace_back();
    row.choice = &choice;
    row.label = new QLabel(QString::fromLatin1(choice.label), frame);
    row.list = makeList(frame, QString::fromLatin1(choice.name), textsOf(choice.entries));
    row.list->setAccessibleName(row.label->text());
    row.label->setBuddy(row.list);
    const int line = grid->rowCount();
    grid->addWidget(row.label, line, 0);
    grid->addWidget(row.list, line, 1);
    hints_->add(row.list, msg::ListHint);
    if (!isProgrammable(choice.slot)) {
        row.label->setEnabled(false);
        row.list->setEnabled(false);
        row.list->setToolTip(QStringLiteral("Not programmable: the radio holds no such setting."));
        return;
    }
    const std::size_t index = rows_.size() - 1;
    connect(row.list, &QComboBox::currentIndexChanged, this,
            [this, index](int position) { onChosen(rows_[index], position); });
}

int CommonSetupPage::positionOf(const Row& row) const
{
    int value = state().records.settings[static_cast<std::size_t>(row.choice->slot)];
    if (row.choice->flag) value = value != 0 ? 1 : 0;
    const OptionList& entries = row.choice->entries;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].Value == value) return static_cast<int>(i);
    return -1;
}

void CommonSetupPage::fill(const std::string&)
{
    for (const Row& row : rows_)
        selectQuietly(row.list, isProgrammable(row.choice->slot) ? positionOf(row) : -1);
    applyScanRule();
}

void CommonSetupPage::onChosen(const Row& row, int index)
{
    if (index < 0) return;
    state().records.settings[static_cast<std::size_t>(row.choice->slot)] =
        static_cast<std::int16_t>(row.choice->entries[static_cast<std::size_t>(index)].Value);
    state().flags.modified = true;
    if (row.choice->slot == slot::Scan) applyScanRule();
}

// Resume Time and PTT SCAN Clear only matter while the radio scans; they
// keep their stored values while greyed.
void CommonSetupPage::applyScanRule()
{
    const bool scanning = rowOf(slot::Scan)->list->currentIndex() == 1;
    for (const int dependent : {slot::ResumeTime, slot::PttScanClear}) {
        const Row* row = rowOf(dependent);
        row->label->setEnabled(scanning);
        row->list->setEnabled(scanning);
    }
}

const CommonSetupPage::Row* CommonSetupPage::rowOf(int slot) const
{
    for (const Row& row : rows_)
        if (row.choice->slot == slot) return &row;
    return nullptr;
}

} // namespace zmp
