#include "ui/usablesetuppage.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "codec/channellabels.h"
#include "files/pagecaptions.h"
#include "message/messagetexts.h"
#include "rules/settingsrules.h"
#include "ui/focushints.h"
#include "ui/keyfiltervalidator.h"
#include "ui/pagecontrols.h"
#include "ui/validatedfield.h"

namespace zmp {

namespace {

constexpr int StatusNameLength = 4;

std::size_t at(int index)
{
    return static_cast<std::size_t>(index);
}

} // namespace

UsableSetupPage::UsableSetupPage(PageContext context, QWidget* parent) : Page(context, parent)
{
    setObjectName(QStringLiteral("pictUsable"));
    hints_ = new FocusHints(this);
    connect(hints_, &FocusHints::hintShown, this, &Page::hintChanged);
    createControls();
}

void UsableSetupPage::createControls()
{
    auto* layout = new QVBoxLayout(scrolledBody());
    layout->addWidget(createGroupFrame("Usable Channel Groups", Group1, Group3));
    QWidget* expansion = createGroupFrame("Expansion Channel Groups", ExpCh, ExpCh);
    expansion->layout()->addWidget(createExpMembershipFrame());
    layout->addWidget(expansion);
    layout->addStretch(1);
}

QWidget* UsableSetupPage::createGroupFrame(const char* caption, int firstGroup, int lastGroup)
{
    auto* frame = new QGroupBox(QString::fromLatin1(caption), this);
    auto* layout = new QVBoxLayout(frame);
    auto* grid = new QWidget(frame);
    auto* gridLayout = new QGridLayout(grid);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid);
    for (int group = firstGroup; group <= lastGroup; ++group)
        createRow(grid, group);
    return frame;
}

void UsableSetupPage::createRow(QWidget* frame, int group)
{
    GroupRow& row = rows_[at(group)];
    auto* grid = static_cast<QGridLayout*>(frame->layout());
    const int line = grid->rowCount();
    row.usable = new QCheckBox(QString::fromLatin1(msg::GroupCaptions[at(group)]), frame);
    row.usable->setObjectName(indexedName("chkUsable", group));
    row.priorityLabel = new QLabel(QString::fromLatin1(pagecaption::PriorityCh), frame);
    row.priority = makeList(frame, indexedName("cmbUsablePri", group), {});
    row.statusLabel = new QLabel(QString::fromLatin1(pagecaption::StatusName), frame);
    row.statusName = new QLineEdit(frame);
    row.statusName->setObjectName(indexedName("txtUsable", group));
    row.statusName->setValidator(new KeyFilterValidator(isStatusNameKey, row.statusName));
    row.statusField = new ValidatedField(
        row.statusName, this,
        {[](const std::string& text) { return std::optional<std::string>(acceptedStatusName(text)); },
         [this, group](const std::string& name) { storeStatusName(group, name); }, ""},
        state(), messages());
    const QString caption = QString::fromLatin1(msg::GroupCaptions[at(group)]);
    row.priority->setAccessibleName(caption + QStringLiteral(" priority channel"));
    row.priorityLabel->setBuddy(row.priority);
    row.statusLabel->setBuddy(row.statusName);
    row.statusName->setAccessibleName(caption + QStringLiteral(" status name"));
    grid->addWidget(row.usable, line, 0);
    grid->addWidget(row.priorityLabel, line, 1);
    grid->addWidget(row.priority, line, 2);
    grid->addWidget(row.statusLabel, line, 3);
    grid->addWidget(row.statusName, line, 4);
    hints_->add(row.usable, msg::CheckBoxHint);
    hints_->add(row.priority, msg::ListHint);
    hints_->add(row.statusName, msg::StatusNameHint);
    // Once the typed name fits four characters, typing is held to them again.
    connect(row.statusName, &QLineEdit::textEdited, row.statusName,
            [field = row.statusName](const QString& text) {
                if (text.size() <= StatusNameLength) field->setMaxLength(StatusNameLength);
            });
    // Boxes react to their state, however it changes: a click, the space bar
    // or assistive technology. Filling sets them quietly.
    connect(row.usable, &QCheckBox::toggled, this, [this, group](bool on) { onUsableClicked(group, on); });
    connect(row.priority, &QComboBox::currentIndexChanged, this,
            [this, group](int index) { onPriorityChosen(group, index); });
}

QWidget* UsableSetupPage::createExpMembershipFrame()
{
    auto* frame = new QGroupBox(QString::fromLatin1(msg::GroupCaptions[ExpCh]), this);
    auto* layout = new QHBoxLayout(frame);
    for (int member = 0; member < 3; ++member) {
        auto* box = new QCheckBox(frame);
        box->setObjectName(indexedName("chkEXP", member));
        layout->addWidget(box);
        hints_->add(box, msg::CheckBoxHint);
        connect(box, &QCheckBox::toggled, this, [this, member](bool on) { onExpClicked(member, on); });
        expMembers_[at(member)] = box;
    }
    return frame;
}

void UsableSetupPage::fill(const std::string&)
{
    const auto& groups = state().records.groups;
    for (int group = 0; group < UsableGroupCount; ++group)
        fillPriorityList(group);
    for (int group = 0; group < UsableGroupCount; ++group) {
        GroupRow& row = rows_[at(group)];
        checkQuietly(row.usable, groups[at(group)].Enable);
        // Only four characters are typed; a longer name from a file shows whole.
        const QString name = QString::fromStdString(groups[at(group)].StatusName);
        row.statusName->setMaxLength(std::max<int>(StatusNameLength, static_cast<int>(name.size())));
        row.statusName->setText(name);
        row.statusField->forgetEdit();
        applyGroupEnable(group);
    }
    for (int member = 0; member < 3; ++member) {
        const QSignalBlocker blocker(expMembers_[at(member)]);
        expMembers_[at(member)]->setChecked(groups[ExpCh].ExpGroupFlags[at(member)]);
    }
    fillExpCaptions();
}

void UsableSetupPage::fillPriorityList(int group)
{
    const ChannelTable& table = groupTable(state().records, group);
    QComboBox* list = rows_[at(group)].priority;
    const QSignalBlocker blocker(list);
    list->clear();
    int selected = -1;
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (!table[i].Enable) continue;
        const int number = group == ExpCh ? ExpPriorityBase + static_cast<int>(i) : table[i].Position;
        const std::string label =
            group == ExpCh ? "EXP" + std::to_string(i + 1) : priorityChannelLabel(table[i].Position);
        if (number == state().records.groups[at(group)].PriorityCh) selected = list->count();
        list->addItem(QString::fromStdString(label), number);
    }
    list->setCurrentIndex(selected);
}

void UsableSetupPage::fillExpCaptions()
{
    const auto& groups = state().records.groups;
    for (int member = 0; member < 3; ++member)
        expMembers_[at(member)]->setText(
            QString::fromStdString(withStatusName("Group" + std::to_string(member + 1), groups[at(member)])));
}

void UsableSetupPage::applyGroupEnable(int group)
{
    GroupRow& row = rows_[at(group)];
    const bool on = row.usable->isChecked();
    for (QWidget* control : {static_cast<QWidget*>(row.priorityLabel), static_cast<QWidget*>(row.priority),
                             static_cast<QWidget*>(row.statusLabel), static_cast<QWidget*>(row.statusName)})
        control->setEnabled(on);
    if (group == ExpCh)
        for (QCheckBox* box : expMembers_)
            box->setEnabled(on);
}

void UsableSetupPage::onUsableClicked(int group, bool checked)
{
    if (state().flags.filling) return;
    auto& groups = state().records.groups;
    groups[at(group)].Enable = checked;
    applyGroupEnable(group);
    if (group != ExpCh && !checked) {
        groups[ExpCh].ExpGroupFlags[at(group)] = false;
        expMembers_[at(group)]->setChecked(false);
    }
    emit treeRebuildRequested();
    state().markEdited();
}

void UsableSetupPage::onPriorityChosen(int group, int index)
{
    if (index < 0) return;
    state().records.groups[at(group)].PriorityCh = rows_[at(group)].priority->itemData(index).toInt();
    state().markEdited();
}

void UsableSetupPage::onExpClicked(int member, bool checked)
{
    if (state().flags.filling) return;
    state().records.groups[ExpCh].ExpGroupFlags[at(member)] = checked;
    state().markEdited();
}

void UsableSetupPage::storeStatusName(int group, const std::string& name)
{
    state().records.groups[at(group)].StatusName = name;
    fillExpCaptions();
    emit groupTextsChanged();
}

bool UsableSetupPage::canLeave()
{
    // Only the field the user is typing in can hold an edit not yet stored.
    for (GroupRow& row : rows_)
        if (!row.statusField->validate()) return false;
    return true;
}

} // namespace zmp
