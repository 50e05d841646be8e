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

#include "files/pagecaptions.h"
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

using namespace pagecaption;

const std::vector<std::string> OffOn{"Off", "On"};
// A User MMSI read from a radio has ten digits; a count is one byte.
constexpr int MmsiFieldDigits = 10;
constexpr int CountDigits = 3;
const std::vector<std::string> LowHi{"Low", "Hi"};
constexpr std::array<const char*, DscSetupPage::ClearButtonCount> ClearRows{
    "Individual Directory", "Group Directory", "Waypoint Directory", "Distress Log",
    "DSC TX Log",           "DSC Log",         "ALL Clear"};
constexpr std::array<int, 3> DisplaySlots{dscslot::IndividualReplyMenu, dscslot::IndividualAckMenu,
                                          dscslot::PosRequestReplyMenu};

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
    auto* layout = new QVBoxLayout(scrolledBody());
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tbsDSC_USER"));
    tabs_->addTab(createBasicTab(), QStringLiteral("Basic Setup"));
    tabs_->addTab(createAdvancedTab(0, 3, false), QStringLiteral("Advanced Setup1"));
    tabs_->addTab(createAdvancedTab(4, 5, true), QStringLiteral("Advanced Setup2"));
    tabs_->addTab(createDisplayTab(), QStringLiteral("Display Setup"));
    layout->addWidget(tabs_);
}

QWidget* DscSetupPage::createBasicTab()
{
    QWidget* tab = newTab(this, QStringLiteral("pictDSC_0"));
    createUsableFrame(tab);
    createMmsiFrame(tab);
    createCallRows(tab);
    createBeepFrame(tab);
    endColumns(tab);
    return tab;
}

QWidget* DscSetupPage::createAdvancedTab(int firstKind, int lastKind, bool withClear)
{
    QWidget* tab = newTab(this, QStringLiteral("pictDSC_%1").arg(withClear ? 2 : 1));
    const int kinds = lastKind - firstKind + 1;
    const int leftKinds = withClear ? kinds : (kinds + 1) / 2;
    for (int kind = firstKind; kind <= lastKind; ++kind)
        createCallKindFrame(tab, kind, kind - firstKind < leftKinds ? 0 : 1);
    if (withClear) createClearFrame(tab);
    endColumns(tab);
    return tab;
}

QWidget* DscSetupPage::createDisplayTab()
{
    QWidget* tab = newTab(this, QStringLiteral("pictDSC_3"));
    QGroupBox* frame = newFrame(tab, DisplayFrame);
    for (int row = 0; row < 3; ++row)
        addRow(frame, DisplayRows[at(row)], indexedName("cmbDscDisplay", row), true, DisplaySlots[at(row)]);
    endColumns(tab);
    return tab;
}

QGroupBox* DscSetupPage::createUsableFrame(QWidget* tab)
{
    QGroupBox* frame = newFrame(tab, UsableDscFrame);
    for (int group = 0; group < UsableGroupCount; ++group) {
        addRow(frame, UsableDscRows[at(group)], indexedName("cmbUsableDsc", group), false,
               slot::UsableDsc + group);
        const int line = gridOf(frame)->rowCount() - 1;
        usableLabels_[at(group)] = static_cast<QLabel*>(gridOf(frame)->itemAtPosition(line, 0)->widget());
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
    userMmsiField_ = new ValidatedField(
        userMmsi_, this,
        {acceptedUserMmsi, [this](const std::string& mmsi) { storeUserMmsi(mmsi); }, msg::UserMmsiTitle},
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

QGroupBox* DscSetupPage::createCallRows(QWidget* tab)
{
    QGroupBox* frame = newFrame(tab, "");
    for (int row = 0; row < 4; ++row) {
        addRow(frame, CallRows[at(row)], indexedName("cmbUsableDscPosRequest", row), false,
               slot::PosRequest + row);
        const std::size_t call = bindings_.size() - 1;
        QComboBox* power = addPowerList(frame, indexedName("cmbUsableDscPosRequestTX", row), false,
                                        slot::PosRequestTx + row);
        bindings_[call].power = power;
    }
    return frame;
}

QGroupBox* DscSetupPage::createBeepFrame(QWidget* tab)
{
    QGroupBox* frame = newFrame(tab, BeepFrame, 1);
    for (int row = 0; row < static_cast<int>(BeepRows.size()); ++row)
        addRow(frame, BeepRows[at(row)], indexedName("cmbUsableDscBeepOut", row), false, slot::BeepOut + row);
    return frame;
}

QGroupBox* DscSetupPage::createCallKindFrame(QWidget* tab, int kind, int column)
{
    const CallKind& call = CallKinds[at(kind)];
    QGroupBox* frame = newFrame(tab, call.title, column);
    const std::string txName = std::string(call.name) + "TX";
    for (int category = 0; category < CategoryCount; ++category) {
        addRow(frame, Categories[at(category)], indexedName(call.name, category), true,
               dscslot::receive(kind, category));
        const std::size_t receive = bindings_.size() - 1;
        QComboBox* power = addPowerList(frame, indexedName(txName.c_str(), category), true,
                                        dscslot::transmit(kind, category));
        bindings_[receive].power = power;
    }
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

QComboBox* DscSetupPage::addRow(QGroupBox* frame, const std::string& label, const QString& name, bool dscFlag,
                                int slot)
{
    const int line = gridOf(frame)->rowCount();
    auto* caption = new QLabel(QString::fromStdString(label), frame);
    gridOf(frame)->addWidget(caption, line, 0);
    QComboBox* list = newList(frame, name, OffOn);
    caption->setBuddy(list);
    const QString title = frame->title();
    list->setAccessibleName((title.isEmpty() ? QString() : title + QLatin1Char(' ')) +
                            QString::fromStdString(label));
    gridOf(frame)->addWidget(list, line, 1);
    bindings_.push_back({list, dscFlag, slot, nullptr});
    const std::size_t index = bindings_.size() - 1;
    connect(list, &QComboBox::currentIndexChanged, this,
            [this, index](int position) { onChosen(bindings_[index], position); });
    return list;
}

QComboBox* DscSetupPage::addPowerList(QGroupBox* frame, const QString& name, bool dscFlag, int slot)
{
    const int line = gridOf(frame)->rowCount() - 1;
    QComboBox* list = newList(frame, name, LowHi);
    const auto* call = static_cast<QWidget*>(gridOf(frame)->itemAtPosition(line, 1)->widget());
    list->setAccessibleName(call->accessibleName() + QStringLiteral(" power"));
    // The row's caption labels its call list; the power list gets a label
    // of its own that only assistive technology reads.
    const auto* caption = static_cast<QLabel*>(gridOf(frame)->itemAtPosition(line, 0)->widget());
    auto* label = new QLabel(caption->text() + QStringLiteral(" power"), frame);
    label->setBuddy(list);
    label->hide();
    gridOf(frame)->addWidget(list, line, 2);
    bindings_.push_back({list, dscFlag, slot, nullptr});
    const std::size_t index = bindings_.size() - 1;
    connect(list, &QComboBox::currentIndexChanged, this,
            [this, index](int position) { onChosen(bindings_[index], position); });
    return list;
}

int DscSetupPage::storedValue(const Binding& binding) const
{
    const Records& records = state().records;
    if (binding.dscFlag) return records.dscFlags[at(binding.slot)] ? 1 : 0;
    return records.settings[at(binding.slot)] != 0 ? 1 : 0;
}

void DscSetupPage::onChosen(const Binding& binding, int index)
{
    if (index < 0) return;
    Records& records = state().records;
    if (binding.dscFlag)
        records.dscFlags[at(binding.slot)] = index == 1;
    else
        records.settings[at(binding.slot)] = static_cast<std::int16_t>(index);
    dscFlagsFromSettings(records);
    // The power of a call that is off keeps its stored value, greyed.
    if (binding.power) binding.power->setEnabled(index == 1);
    state().markEdited();
}

void DscSetupPage::fill(const std::string&)
{
    const Records& records = state().records;
    for (int group = 0; group < UsableGroupCount; ++group)
        usableLabels_[at(group)]->setText(
            QString::fromStdString(withStatusName(UsableDscRows[at(group)], records.groups[at(group)])));
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
