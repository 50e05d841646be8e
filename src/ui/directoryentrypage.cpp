#include "ui/directoryentrypage.h"

#include <algorithm>

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "files/pagecaptions.h"
#include "message/messagetexts.h"
#include "model/fillingscope.h"
#include "rules/fieldrules.h"
#include "ui/checknote.h"
#include "ui/focushints.h"
#include "ui/keyfiltervalidator.h"
#include "ui/pagecontrols.h"
#include "ui/recordlookup.h"
#include "ui/treebuilder.h"
#include "ui/twips.h"
#include "ui/validatedfield.h"

namespace zmp {

namespace {

constexpr int NameLength = DirectoryNameLength;
constexpr int MemoryIdMmsiLength = 9;
constexpr int GroupIdMmsiLength = 8;
// What a Group ID's MMSI field takes, told under the "Data Error!!" that
// refuses anything else (the hint the field shares with a Memory ID's
// says 9 figures).
constexpr const char* GroupMmsiRule = "Numeric Only. Indispensable 8 figures after the fixed 0.";
constexpr int GroupZeroTwips = 150;
// Help contexts: Add/Delete, name, MMSI; a Group ID entry's are one higher.
constexpr int CheckBoxHelpContext = 2304;
constexpr int NameHelpContext = 2306;
constexpr int MmsiHelpContext = 2308;

bool hasText(const std::string& text)
{
    return !trimSpaces(text).empty();
}

} // namespace

DirectoryEntryPage::DirectoryEntryPage(PageContext context, QWidget* parent) : Page(context, parent)
{
    setObjectName(QStringLiteral("pictG"));
    createControls();
    connectControls();
}

void DirectoryEntryPage::createControls()
{
    add_ = new QCheckBox(QString::fromUtf8(pagecaption::DirectoryAdd.caption), this);
    add_->setObjectName(QString::fromUtf8(pagecaption::DirectoryAdd.control));
    delete_ = new QCheckBox(QStringLiteral("Delete"), this);
    delete_->setObjectName(QStringLiteral("chkGDelete"));
    nameLabel_ = new QLabel(this);
    nameLabel_->setObjectName(QStringLiteral("lblGPosi"));
    name_ = new QLineEdit(this);
    name_->setObjectName(QString::fromUtf8(pagecaption::DirectoryName.control));
    name_->setMaxLength(NameLength);
    name_->setValidator(new KeyFilterValidator(isNameKey, name_));
    mmsiLabel_ = new QLabel(QString::fromUtf8(pagecaption::DirectoryMmsi.caption), this);
    mmsiLabel_->setObjectName(QStringLiteral("lblGMMSI"));
    groupZero_ = new QLabel(QStringLiteral("0"), this);
    groupZero_->setObjectName(QStringLiteral("lblGroup"));
    groupZero_->setFixedWidth(twipsToPixels(GroupZeroTwips, logicalDpiX()));
    mmsi_ = new QLineEdit(this);
    mmsi_->setObjectName(QString::fromUtf8(pagecaption::DirectoryMmsi.control));
    mmsi_->setValidator(new KeyFilterValidator(isDigitKey, mmsi_));
    createFields();
    mmsi_->setAccessibleName(mmsiLabel_->text());
    auto* mmsiRow = new QHBoxLayout;
    mmsiRow->setSpacing(0);
    mmsiRow->addWidget(groupZero_);
    mmsiRow->addWidget(mmsi_);
    auto* layout = new QGridLayout(scrolledBody());
    layout->addWidget(add_, 0, 0);
    layout->addWidget(delete_, 0, 1);
    layout->addWidget(nameLabel_, 1, 0, 1, 2);
    layout->addWidget(name_, 2, 0, 1, 2);
    layout->addWidget(mmsiLabel_, 3, 0, 1, 2);
    layout->addLayout(mmsiRow, 4, 0, 1, 2);
    layout->setRowStretch(5, 1);
    layout->setColumnStretch(2, 1);
}

// A blank name stores nothing, so the field shows the stored name again; an
// MMSI of the wrong length is refused like the User MMSI, under the
// directory's caption.
void DirectoryEntryPage::createFields()
{
    ValidatedField::Rules name{[this](const std::string& text) -> std::optional<std::string> {
                                   if (hasText(text) || !entry()) return text;
                                   return entry()->TagName;
                               },
                               [this](const std::string& text) { storeName(text); }, ""};
    nameField_ = new ValidatedField(name_, this, std::move(name), state(), messages());
    ValidatedField::Rules mmsi{
        [this](const std::string& text) { return acceptedDirectoryMmsi(text, groupId_); },
        [this](const std::string& text) { storeMmsi(text); }, msg::IndividualDirectoryCaption,
        [this](const std::string& stored) { return directoryMmsiFieldText(stored, groupId_); }};
    mmsiField_ = new ValidatedField(mmsi_, this, std::move(mmsi), state(), messages());
}

void DirectoryEntryPage::connectControls()
{
    auto* hints = new FocusHints(this);
    hints->add(add_, msg::CheckBoxHint);
    hints->add(delete_, msg::CheckBoxHint);
    hints->add(name_, msg::DirectoryNameHint);
    hints->add(mmsi_, msg::MmsiHint);
    connect(hints, &FocusHints::hintShown, this, &Page::hintChanged);
    // Boxes react to their state, however it changes: a click, the space bar
    // or assistive technology.
    connect(add_, &QCheckBox::toggled, this, &DirectoryEntryPage::onAdd);
    connect(delete_, &QCheckBox::toggled, this, [this](bool checked) {
        if (checked) onDelete();
    });
}

void DirectoryEntryPage::layOut(bool groupId)
{
    const int offset = groupId ? 1 : 0;
    nameLabel_->setText(groupId ? QStringLiteral("Group Name") : QStringLiteral("Station Name"));
    name_->setAccessibleName(nameLabel_->text());
    groupZero_->setVisible(groupId);
    mmsiField_->setErrorTitle(groupId ? msg::GroupDirectoryCaption : msg::IndividualDirectoryCaption);
    mmsiField_->setRefusalDetail(groupId ? GroupMmsiRule : msg::MmsiHint);
    add_->setProperty("helpContext", CheckBoxHelpContext + offset);
    delete_->setProperty("helpContext", CheckBoxHelpContext + offset);
    name_->setProperty("helpContext", NameHelpContext + offset);
    mmsi_->setProperty("helpContext", MmsiHelpContext + offset);
}

void DirectoryEntryPage::fill(const std::string& nodeKey)
{
    key_ = nodeKey;
    groupId_ = isGroupDirectoryKey(nodeKey);
    slot_ = recordIndexOfKey(nodeKey);
    nameField_->forgetEdit();
    mmsiField_->forgetEdit();
    const DirectoryEntry* current = entry();
    if (!current) return;
    layOut(groupId_);
    const Directory& list = *directory();
    const auto registered =
        std::count_if(list.begin(), list.end(), [](const DirectoryEntry& e) { return e.Enable; });
    name_->setText(QString::fromStdString(current->TagName));
    mmsi_->setMaxLength(groupId_ ? GroupIdMmsiLength : MemoryIdMmsiLength);
    CheckNote::keepStoredMmsi(*mmsi_, current->Mmsid);
    mmsi_->setText(QString::fromStdString(directoryMmsiFieldText(current->Mmsid, groupId_)));
    showSlotState(static_cast<int>(registered));
    emit directoryTextsChanged();
}

void DirectoryEntryPage::showSlotState(int registered)
{
    if (slot_ <= registered) {
        add_->setEnabled(false);
        checkQuietly(add_, true);
        delete_->setEnabled(true);
        checkQuietly(delete_, false);
        setFieldsEnabled(true);
        return;
    }
    bool addAllowed = false;
    if (slot_ == registered + 1) {
        const Directory& list = *directory();
        const DirectoryEntry* previous = slot_ > 1 ? &list[static_cast<std::size_t>(slot_ - 2)] : nullptr;
        addAllowed = !previous || (hasText(previous->TagName) && hasText(previous->Mmsid));
        if (!addAllowed)
            messages().inform(groupId_ ? msg::GroupDirectoryCaption : msg::IndividualDirectoryCaption,
                              msg::DataError, MessageIcon::Warning);
    }
    add_->setEnabled(addAllowed);
    checkQuietly(add_, false);
    delete_->setEnabled(false);
    checkQuietly(delete_, true);
    setFieldsEnabled(false);
}

void DirectoryEntryPage::setFieldsEnabled(bool enabled)
{
    for (QWidget* w : std::initializer_list<QWidget*>{nameLabel_, name_, mmsiLabel_, groupZero_, mmsi_})
        w->setEnabled(enabled);
}

void DirectoryEntryPage::refill()
{
    const FillingScope filling(state().flags);
    fill(key_);
}

bool DirectoryEntryPage::editable()
{
    return !state().flags.filling && isEnabled();
}

Directory* DirectoryEntryPage::directory()
{
    return directoryOfKey(state().records, key_);
}

DirectoryEntry* DirectoryEntryPage::entry()
{
    Directory* list = directory();
    if (!list || slot_ < 1 || static_cast<std::size_t>(slot_) > list->size()) return nullptr;
    return &(*list)[static_cast<std::size_t>(slot_ - 1)];
}

void DirectoryEntryPage::onAdd(bool checked)
{
    if (!editable() || !checked || !entry()) return;
    entry()->Enable = true;
    refill();
    state().markEdited();
}

void DirectoryEntryPage::onDelete()
{
    if (!editable() || !entry()) return;
    const Message question{state().title(), msg::AreYouSure, MessageIcon::Critical, MessageButtons::YesNo,
                           MessageAnswer::No};
    if (messages().show(question) != MessageAnswer::Yes) {
        checkQuietly(delete_, false);
        return;
    }
    deleteEntry();
    refill();
    state().markEdited();
}

// The directory stays packed: the entries after the deleted one move up a
// slot, each as a whole, and the last slot becomes empty.
void DirectoryEntryPage::deleteEntry()
{
    Directory& list = *directory();
    const auto first = list.begin() + (slot_ - 1);
    std::move(first + 1, list.end(), first);
    list.back() = DirectoryEntry{};
}

void DirectoryEntryPage::storeName(const std::string& name)
{
    DirectoryEntry* current = entry();
    if (!current || name == current->TagName) return;
    current->TagName = name;
    state().markEdited();
}

void DirectoryEntryPage::storeMmsi(const std::string& mmsi)
{
    DirectoryEntry* current = entry();
    if (!current) return;
    current->Mmsid = mmsi;
    CheckNote::keepStoredMmsi(*mmsi_, mmsi);
    state().markEdited();
    if (!mmsi.empty()) return;
    deleteEntry();
    // The controls are refilled after the focus change that stored the
    // MMSI: refilling disables them, which must not happen inside it.
    QTimer::singleShot(0, this, [this, key = key_] {
        if (key == key_ && isVisible()) refill();
    });
    emit directoryTextsChanged();
}

bool DirectoryEntryPage::canLeave()
{
    return nameField_->validate() && mmsiField_->validate();
}

} // namespace zmp
