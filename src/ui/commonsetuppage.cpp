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
    rows_.reserve(commonSettings().size());
    for (const SettingRow& setting : commonSettings()) {
        QGroupBox*& frame = frames[setting.frame];
        if (!frame) {
            frame = new QGroupBox(QString::fromLatin1(setting.frame), this);
            new QGridLayout(frame);
            layout->addWidget(frame);
        }
        addRow(frame, setting);
    }
    layout->addStretch(1);
}

void CommonSetupPage::addRow(QGroupBox* frame, const SettingRow& setting)
{
    auto* grid = static_cast<QGridLayout*>(frame->layout());
    Row& row = rows_.emplace_back();
    row.setting = &setting;
    row.label = new QLabel(QString::fromLatin1(setting.caption), frame);
    row.list = makeList(frame, QString::fromLatin1(setting.objectName), optionTexts(setting.pageOptions()));
    row.list->setAccessibleName(row.label->text());
    row.label->setBuddy(row.list);
    const int line = grid->rowCount();
    grid->addWidget(row.label, line, 0);
    grid->addWidget(row.list, line, 1);
    hints_->add(row.list, msg::ListHint);
    // The radio's memory has no place for the starting transmit power, so
    // its list shows no value and takes no choice: it would reach neither
    // the file nor the radio.
    if (!isProgrammable(setting)) {
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
    const int value = shownValue(*row.setting, state().records.settings);
    const OptionList& entries = row.setting->pageOptions();
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].Value == value) return static_cast<int>(i);
    return -1;
}

void CommonSetupPage::fill(const std::string&)
{
    for (const Row& row : rows_)
        selectQuietly(row.list, isProgrammable(*row.setting) ? positionOf(row) : -1);
    applyScanRule();
}

void CommonSetupPage::onChosen(const Row& row, int index)
{
    if (index < 0) return;
    state().records.settings[static_cast<std::size_t>(row.setting->slot)] =
        static_cast<std::int16_t>(row.setting->pageOptions()[static_cast<std::size_t>(index)].Value);
    state().markEdited();
    if (row.setting->slot == slot::Scan) applyScanRule();
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
        if (row.setting->slot == slot) return &row;
    return nullptr;
}

} // namespace zmp
