#include "ui/dscsetuppage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <string_view>

#include "image/dscmirror.h"
#include "image/imagemap.h"
#include "link/operationtype.h"
#include "message/messagetexts.h"
#include "rules/fieldrules.h"
#include "rules/settingsrules.h"
#include "ui/checknote.h"
#include "ui/focushints.h"
#include "ui/keyfiltervalidator.h"
#include "ui/pagecontrols.h"
#include "ui/validatedfield.h"

namespace zmp {

namespace {

const std::vector<std::string> OffOn{"Off", "On"};
// A User MMSI read from a radio has ten digits; a count is one byte.
constexpr int MmsiFieldDigits = 10;
constexpr int CountDigits = 3;
const std::vector<std::string> LowHi{"Low", "Hi"};
constexpr std::array<const char*, DscSetupPage::ClearButtonCount> ClearRows{
    "Individual Directory", "Group Directory", "Waypoint Directory", "Distress Log",
    "DSC TX Log",           "DSC Log",         "ALL Clear"};
// The Advanced Setup tabs' call kinds: four on the first, two and the
// clear buttons on the second.
constexpr int FirstTabCallKinds = 4;

std::size_t at(int index)
{
    return static_cast<std::size_t>(index);
}

// A tab's frames stand in two columns, read left column first, so that a
// tab needs half the height of one long column.
QVBoxLayout* columnOf(QWidget* tab, int column)
{
    return static_cast<QVBoxLayout*>(tab->layout()->itemAt(column)->layout());
}

QGroupBox* newFrame(QWidget* tab, const char* title, int column = 0)
{
    auto* frame = new QGroupBox(QString::fromLatin1(title), tab);
    new QGridLayout(frame);
    columnOf(tab, column)->addWidget(frame);
    return frame;
}

void endColumns(QWidget* tab)
{
    columnOf(tab, 0)->addStretch(1);
    columnOf(tab, 1)->addStretch(1);
}

QGridLayout* gridOf(QGroupBox* frame)
{
    return static_cast<QGridLayout*>(frame->layout());
}

QWidget* newTab(QWidget* parent, const QString& name)
{
    auto* tab = new QWidget(parent);
    tab->setObjectName(name);
    auto* columns = new QHBoxLayout(tab);
    columns->addLayout(new QVBoxLayout);
    columns->addLayout(new QVBoxLayout);
    return tab;
}

} // namespace

DscSetupPage::DscSetupPage(PageContext context, QWidget* parent) : Page(context, parent)
{
    setObjectName(QStringLiteral("pictDSC"));
    hints_ = new FocusHints(this);
    connect(hints_, &FocusHints::hintShown, this, &Page::hintChanged);
    createControls();
}

void DscSetupPage::createControls()
{
    std::vector<const char*> callKinds;
    for (const DscSettingRow& row : dscSettings())
        if (std::string_view(row.section) == DscAdvancedSection &&
            (callKinds.empty() || callKinds.back() != row.frame))
            callKinds.push_back(row.frame);
    const std::span<const char* const> kinds(callKinds);
    auto* layout = new QVBoxLayout(scrolledBody());
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tbsDSC_USER"));
    tabs_->addTab(createBasicTab(), QStringLiteral("Basic Setup"));
    tabs_->addTab(createAdvancedTab(kinds.first(FirstTabCallKinds), false),
                  QStringLiteral("Advanced Setup1"));
    tabs_->addTab(createAdvancedTab(kinds.subspan(FirstTabCallKinds), true),
                  QStringLiteral("Advanced Setup2"));
    tabs_->addTab(createDisplayTab(), QStringLiteral("Display Setup"));
    layout->addWidget(tabs_);
}

QWidget* DscSetupPage::createBasicTab()
{
    QWidget* tab = newTab(this, QStringLiteral("pictDSC_0"));
    createUsableFrame(tab);
    createMmsiFrame(tab);
    createRowsFrame(tab, "");
    createRowsFrame(tab, BeepFrame, 1);
    endColumns(tab);
    return tab;
}

QWidget* DscSetupPage::createAdvancedTab(std::span<const char* const> frames, bool withClear)
{
    QWidget* tab = newTab(this, QStringLiteral("pictDSC_%1").arg(withClear ? 2 : 1));
    const std::size_t leftFrames = withClear ? frames.size() : (frames.size() + 1) / 2;
    for (std::size_t i = 0; i < frames.size(); ++i)
        createRowsFrame(tab, frames[i], i < leftFrames ? 0 : 1);
    if (withClear) createClearFrame(tab);
    endColumns(tab);
    return tab;
}

QWidget* DscSetupPage::createDisplayTab()
{
    QWidget* tab = newTab(this, QStringLiteral("pictDSC_3"));
    createRowsFrame(tab, DisplayFrame);
    endColumns(tab);
    return tab;
}

// A frame of the rows the table puts in it, in the table's order.
QGroupBox* DscSetupPage::createRowsFrame(QWidget* tab, const char* frameName, int column)
{
    QGroupBox* frame = newFrame(tab, frameName, column);
    for (const DscSettingRow& row : dscSettings()) {
        if (!row.control || std::string_view(row.frame) != frameName) continue;
        if (row.power)
            addPowerList(frame, row);
        else
            addRow(frame, row);
    }
    return frame;
}

QGroupBox* DscSetupPage::createUsableFrame(QWidget* tab)
{
    QGroupBox* frame = createRowsFrame(tab, UsableDscFrame);
    const int firstLine = gridOf(frame)->rowCount() - UsableGroupCount;
    for (int group = 0; group < UsableGroupCount; ++group) {
        QLayoutItem* caption = gridOf(frame)->itemAtPosition(firstLine + group, 0);
        usableLabels_[at(group)] = static_cast<QLabel*>(caption->widget());
        usableLabels_[at(group)]->setObjectName(indexedName("lblUsableDsc", group));
    }
    return frame;
}

QGroupBox* DscSetupPage::createMmsiFrame(QWidget* tab)
{
    QGroupBox* frame = newFrame(tab, "UserMMSI");
    userMmsi_ = new QLineEdit(frame);
    userMmsi_->setObjectName(QStringLiteral("txtUserMMSI"));
    userMmsi_->setAccessibleName(QStringLiteral("User MMSI"));
    fitDigits(userMmsi_, MmsiFieldDigits);
    userMmsi_->setValidator(new KeyFilterValidator(isDigitKey, userMmsi_));
    userMmsiField_ = new ValidatedField(userMmsi_, this,
                                        {acceptedUserMmsi,
                                         [this](const std::string& mmsi) { storeUserMmsi(mmsi); },
                                         msg::UserMmsiTitle,
                                         {},
                                         msg::MmsiHint},
                                        state(), messages());
    auto* clear = new QPushButton(QStringLiteral("MMSI Clear"), frame);
    clear->setObjectName(QStringLiteral("cmdFClear"));
    count_ = new QLineEdit(frame);
    count_->setObjectName(QStringLiteral("txtFCount"));
    count_->setAccessibleName(QStringLiteral("MMSI entry count"));
    fitDigits(count_, CountDigits);
    setLocked(count_, true);
    gridOf(frame)->addWidget(userMmsi_, 0, 0);
    gridOf(frame)->addWidget(clear, 0, 1);
    gridOf(frame)->addWidget(count_, 0, 2);
    hints_->add(userMmsi_, msg::MmsiHint);
    hints_->add(clear, msg::MmsiClearHint);
    connect(clear, &QPushButton::clicked, this,
            [this] { emit clearRequested(static_cast<int>(OperationType::ClearMmsi)); });
    return frame;
}

QGroupBox* DscSetupPage::createClearFrame(QWidget* tab)
{
    QGroupBox* frame = newFrame(tab, "Data Clear", 1);
    for (int row = 0; row < ClearButtonCount; ++row) {
        auto* label = new QLabel(QString::fromLatin1(ClearRows[at(row)]), frame);
        auto* button = new QPushButton(QStringLiteral("Clear"), frame);
        button->setObjectName(indexedName("cmdFclearLog", row));
        button->setAccessibleName(QStringLiteral("Clear ") + label->text());
        gridOf(frame)->addWidget(label, row, 0);
        gridOf(frame)->addWidget(button, row, 1);
        hints_->add(button, msg::LogClearHint);
        connect(button, &QPushButton::clicked, this,
                [this, row] { emit clearRequested(static_cast<int>(clearButtonOperation(row))); });
    }
    return frame;
}

QComboBox* DscSetupPage::newList(QGroupBox* frame, const QString& name, const std::vector<std::string>& texts)
{
    QComboBox* list = makeList(frame, name, texts);
    hints_->add(list, msg::ListHint);
    return list;
}

void DscSetupPage::addRow(QGroupBox* frame, const DscSettingRow& row)
{
    const int line = gridOf(frame)->rowCount();
    auto* caption = new QLabel(QString::fromLatin1(row.caption), frame);
    gridOf(frame)->addWidget(caption, line, 0);
    QComboBox* list = newList(frame, QString::fromStdString(dscControl(row)), OffOn);
    caption->setBuddy(list);
    const QString title = frame->title();
    list->setAccessibleName((title.isEmpty() ? QString() : title + QLatin1Char(' ')) + caption->text());
    gridOf(frame)->addWidget(list, line, 1);
    bind(list, row);
}

void DscSetupPage::addPowerList(QGroupBox* frame, const DscSettingRow& row)
{
    const int line = gridOf(frame)->rowCount() - 1;
    QComboBox* list = newList(frame, QString::fromStdString(dscControl(row)), LowHi);
    const auto* call = static_cast<QWidget*>(gridOf(frame)->itemAtPosition(line, 1)->widget());
    list->setAccessibleName(call->accessibleName() + QStringLiteral(" power"));
    // The row's caption labels its call list; the power list gets a label
    // of its own that only assistive technology reads.
    const auto* caption = static_cast<QLabel*>(gridOf(frame)->itemAtPosition(line, 0)->widget());
    auto* label = new QLabel(caption->text() + QStringLiteral(" power"), frame);
    label->setBuddy(list);
    label->hide();
    gridOf(frame)->addWidget(list, line, 2);
    bindings_.back().power = list;
    bind(list, row);
}

void DscSetupPage::bind(QComboBox* list, const DscSettingRow& row)
{
    if (!isSentToRadio(row)) list->setToolTip(QString::fromLatin1(msg::NotSentToRadio));
    bindings_.push_back({list, &row, nullptr});
    const std::size_t index = bindings_.size() - 1;
    connect(list, &QComboBox::currentIndexChanged, this,
            [this, index](int position) { onChosen(bindings_[index], position); });
}

int DscSetupPage::storedValue(const Binding& binding) const
{
    return dscValue(*binding.row, state().records) ? 1 : 0;
}

void DscSetupPage::onChosen(const Binding& binding, int index)
{
    if (index < 0) return;
    Records& records = state().records;
    setDscValue(*binding.row, records, index == 1);
    dscFlagsFromSettings(records);
    // The power of a call that is off keeps its stored value, greyed.
    if (binding.power) binding.power->setEnabled(index == 1);
    state().markEdited();
}

void DscSetupPage::fill(const std::string&)
{
    const Records& records = state().records;
    for (int group = 0; group < UsableGroupCount; ++group)
        usableLabels_[at(group)]->setText(QString::fromStdString(
            withStatusName(usableDscSettings()[at(group)].caption, records.groups[at(group)])));
    CheckNote::keepStoredMmsi(*userMmsi_, records.userMmsi);
    userMmsi_->setText(QString::fromStdString(userMmsiFieldText(records.userMmsi)));
    userMmsiField_->forgetEdit();
    count_->setText(QString::number(state().image[address::UserMmsiCounter]));
    for (const Binding& binding : bindings_) {
        selectQuietly(binding.list, storedValue(binding));
        if (binding.power) binding.power->setEnabled(storedValue(binding) == 1);
    }
    tabs_->setVisible(true);
    tabs_->setCurrentIndex(0);
}

void DscSetupPage::storeUserMmsi(const std::string& mmsi)
{
    state().records.userMmsi = mmsi;
    CheckNote::keepStoredMmsi(*userMmsi_, mmsi);
    userMmsi_->setText(QString::fromStdString(userMmsiFieldText(mmsi)));
}

bool DscSetupPage::canLeave()
{
    return userMmsiField_->validate();
}

} // namespace zmp
