#include "ui/directoryentrypage.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "ui/fieldrules.h"
#include "ui/focushints.h"
#include "ui/keyfiltervalidator.h"
#include "ui/pagecontrols.h"
#include "ui/pagemessages.h"
#include "ui/recordlookup.h"
#include "ui/treebuilder.h"
#include "ui/twips.h"
#include "ui/uimessages.h"

namespace zmp {

namespace {

constexpr int NameLength = 11;
constexpr int MemoryIdMmsiLength = 9;
constexpr int GroupIdMmsiLength = 8;
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
    add_ = new QCheckBox(QStringLiteral("Add"), this);
    add_->setObjectName(QStringLiteral("chkGEnable"));
    delete_ = new QCheckBox(QStringLiteral("Delete"), this);
    delete_->setObjectName(QStringLiteral("chkGDelete"));
    nameLabel_ = new QLabel(this);
    nameLabel_->setObjectName(QStringLiteral("lblGPosi"));
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("txtGPosi"));
    name_->setMaxLength(NameLength);
    name_->setValidator(new KeyFilterValidator(isNameKey, name_));
    mmsiLabel_ = new QLabel(QStringLiteral("MMSI"), this);
    mmsiLabel_->setObjectName(QStringLiteral("lblGMMSI"));
    groupZero_ = new QLabel(QStringLiteral("0"), this);
    groupZero_->setObjectName(QStringLiteral("lblGroup"));
    groupZero_->setFixedWidth(twipsToPixels(GroupZeroTwips, logicalDpiX()));
    mmsi_ = new QLineEdit(this);
    mmsi_->setObjectName(QStringLiteral("txtGMMSI"));
    mmsi_->setValidator(new KeyFilterValidator(isDigitKey, mmsi_));
    mmsi_->installEventFilter(this);
    mmsi_->setAccessibleName(QStringLiteral("MMSI"));
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

void DirectoryEntryPage::connectControls()
{
    auto* hints = new FocusHints(this);
    hints->add(add_, uimsg::CheckBoxHint);
    hints->add(delete_, uimsg::CheckBoxHint);
    hints->add(name_, uimsg::DirectoryNameHint);
    hints->add(mmsi_, uimsg::MmsiHint);
    connect(hints, &FocusHints::hintShown, this, &Page::hintChanged);
    // Boxes react to their state, however it changes: a click, the space bar
    // or assistive technology.
    connect(add_, &QCheckBox::toggled, this, &DirectoryEntryPage::onAdd);
    connect(delete_, &QCheckBox::toggled, this, [this](bool checked) {
        if (checked) onDelete();
    });
    connect(name_, &QLineEdit::editingFinished, this, &DirectoryEntryPage::validateName);
    connect(mmsi_, &QLineEdit::textEdited, this, [this] {
        if (!editable()) return;
        mmsiEdited_ = true;
        state().flags.modified = true;
    });
    connect(mmsi_, &QLineEdit::returnPressed, this, &DirectoryEntryPage::validateMmsi);
}

void DirectoryEntryPage::layOut(bool groupId)
{
    const int offset = groupId ? 1 : 0;
    nameLabel_->setText(groupId ? QStringLiteral("Group Name") : QStringLiteral("Station Name"));
    name_->setAccessibleName(nameLabel_->text());
    groupZero_->setVisible(groupId);
    mmsi_->setMaxLength(groupId ? GroupIdMmsiLength : MemoryIdMmsiLength);
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
    mmsiEdited_ = false;
    const DirectoryEntry* current = entry();
    if (!current) return;
    layOut(groupId_);
    const Directory& list = *directory();
    const auto registered =
        std::count_if(list.begin(), list.end(), [](const DirectoryEntry& e) { return e.Enable; });
    name_->setText(QString::fromStdString(current->TagName));
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
            messages().inform(groupId_ ? uimsg::GroupDirectoryCaption : uimsg::IndividualDirectoryCaption,
                              uimsg::DataError, BoxIcon::Warning);
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
    bool& filling = state().flags.filling;
    const bool wasFilling = filling;
    filling = true;
    fill(key_);
    filling = wasFilling;
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
    state().flags.modified = true;
}

void DirectoryEntryPage::onDelete()
{
    if (!editable() || !entry()) return;
    const MessageRequest question{state().title(), uimsg::AreYouSure, BoxIcon::Critical, BoxButtons::YesNo,
                                  BoxAnswer::No};
    if (messages().show(question) != BoxAnswer::Yes) {
        checkQuietly(delete_, false);
        return;
    }
    deleteEntry();
    refill();
    state().flags.modified = true;
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

void DirectoryEntryPage::validateName()
{
    DirectoryEntry* current = entry();
    const std::string text = name_->text().toStdString();
    if (!current || !name_->isEnabledTo(this) || !hasText(text) || text == current->TagName) return;
    current->TagName = text;
    state().flags.modified = true;
}

bool DirectoryEntryPage::validateMmsi()
{
    DirectoryEntry* current = entry();
    if (!mmsiEdited_ || !current) return true;
    const auto accepted = acceptedDirectoryMmsi(mmsi_->text().toStdString(), groupId_);
    if (!accepted) return false;
    current->Mmsid = *accepted;
    mmsiEdited_ = false;
    state().flags.modified = true;
    if (current->Mmsid.empty()) {
        deleteEntry();
        refill();
    }
    return true;
}

bool DirectoryEntryPage::canLeave()
{
    validateName();
    if (validateMmsi()) return true;
    mmsi_->setFocus();
    return false;
}

bool DirectoryEntryPage::eventFilter(QObject* watched, QEvent* event)
{
    // Moving to another control of this entry validates the MMSI; a refused
    // MMSI keeps the focus. Leaving the page is checked by canLeave().
    if (watched == mmsi_ && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        QWidget* next = QApplication::focusWidget();
        const bool withinPage = next && isAncestorOf(next);
        // Run after the focus change: storing an empty MMSI deletes the entry
        // and refills the controls.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && withinPage &&
            mmsiEdited_)
            QTimer::singleShot(0, this, [this] {
                if (!validateMmsi()) mmsi_->setFocus();
            });
    }
    return Page::eventFilter(watched, event);
}

} // namespace zmp
