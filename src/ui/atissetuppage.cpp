#include "ui/atissetuppage.h"

#include <algorithm>

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "image/imagemap.h"
#include "link/operationtype.h"
#include "message/messagetexts.h"
#include "rules/fieldrules.h"
#include "rules/settingsrules.h"
#include "ui/focushints.h"
#include "ui/keyfiltervalidator.h"
#include "ui/pagecontrols.h"
#include "ui/validatedfield.h"

namespace zmp {

namespace {

constexpr int AtisCodeDigits = 10;
constexpr int CountDigits = 3;
// Two boxes a line: four captions with status names side by side would
// need more width than the pages get beside the tree.
constexpr int BoxesPerLine = 2;

std::size_t at(int index)
{
    return static_cast<std::size_t>(index);
}

} // namespace

AtisSetupPage::AtisSetupPage(PageContext context, QWidget* parent) : Page(context, parent)
{
    setObjectName(QStringLiteral("pictATIS"));
    hints_ = new FocusHints(this);
    connect(hints_, &FocusHints::hintShown, this, &Page::hintChanged);
    auto* layout = new QVBoxLayout(scrolledBody());
    layout->addWidget(createGroupBoxes("Usable ATIS CH Group", "chkATISChGroup", slot::UsableAtis, usable_));
    layout->addWidget(createCodeFrame());
    layout->addWidget(
        createGroupBoxes("Usable ATIS Killer CH Group", "chkATISKiller", slot::AtisKiller, killer_));
    layout->addStretch(1);
}

QGroupBox* AtisSetupPage::createGroupBoxes(const char* title, const char* name, int firstSlot,
                                           std::array<QCheckBox*, UsableGroupCount>& boxes)
{
    auto* frame = new QGroupBox(QString::fromLatin1(title), this);
    auto* layout = new QGridLayout(frame);
    for (int group = 0; group < UsableGroupCount; ++group) {
        auto* box = new QCheckBox(frame);
        box->setObjectName(indexedName(name, group));
        layout->addWidget(box, group / BoxesPerLine, group % BoxesPerLine);
        hints_->add(box, msg::CheckBoxHint);
        const int setting = firstSlot + group;
        // Boxes react to their state, however it changes: a click, the space
        // bar or assistive technology. Filling sets them quietly.
        connect(box, &QCheckBox::toggled, this, [this, setting](bool on) {
            if (state().flags.filling) return;
            state().records.settings[at(setting)] = on ? 1 : 0;
            state().flags.modified = true;
        });
        boxes[at(group)] = box;
    }
    return frame;
}

QGroupBox* AtisSetupPage::createCodeFrame()
{
    auto* frame = new QGroupBox(this);
    auto* grid = new QGridLayout(frame);
    codeLabel_ = new QLabel(QStringLiteral("ATIS Code"), frame);
    code_ = new QLineEdit(frame);
    code_->setObjectName(QStringLiteral("txtATIScode"));
    code_->setAccessibleName(codeLabel_->text());
    code_->setValidator(new KeyFilterValidator(isDigitKey, code_));
    codeField_ = new ValidatedField(
        code_, this,
        {acceptedAtisCode, [this](const std::string& code) { storeAtisCode(code); }, msg::AtisCodeTitle},
        state().flags, messages());
    auto* clear = new QPushButton(QStringLiteral("ATIS Clear"), frame);
    clear->setObjectName(QStringLiteral("cmdAtisClear"));
    count_ = new QLineEdit(frame);
    count_->setObjectName(QStringLiteral("txtACount"));
    count_->setAccessibleName(QStringLiteral("ATIS entry count"));
    fitDigits(code_, AtisCodeDigits);
    fitDigits(count_, CountDigits);
    setLocked(count_, true);
    grid->addWidget(codeLabel_, 0, 0);
    grid->addWidget(code_, 0, 1);
    grid->addWidget(clear, 1, 0);
    grid->addWidget(count_, 1, 1);
    grid->setColumnStretch(2, 1);
    hints_->add(code_, msg::AtisCodeHint);
    hints_->add(clear, msg::AtisClearHint);
    connect(clear, &QPushButton::clicked, this,
            [this] { emit clearRequested(static_cast<int>(OperationType::ClearAtis)); });
    return frame;
}

void AtisSetupPage::fill(const std::string&)
{
    const Records& records = state().records;
    for (int group = 0; group < UsableGroupCount; ++group) {
        const std::string caption = withStatusName(msg::GroupCaptions[at(group)], records.groups[at(group)]);
        for (QCheckBox* box : {usable_[at(group)], killer_[at(group)]}) {
            const QSignalBlocker blocker(box);
            box->setText(QString::fromStdString(caption));
        }
        checkQuietly(usable_[at(group)], records.settings[at(slot::UsableAtis + group)] != 0);
        checkQuietly(killer_[at(group)], records.settings[at(slot::AtisKiller + group)] != 0);
    }
    // An ATIS code is only sent on a usable channel group.
    const bool anyGroup = std::any_of(records.groups.begin(), records.groups.end(),
                                      [](const UsableGroup& g) { return g.Enable; });
    codeLabel_->setEnabled(anyGroup);
    code_->setEnabled(anyGroup);
    code_->setText(QString::fromStdString(records.atisCode));
    codeField_->forgetEdit();
    count_->setText(QString::number(state().image[address::AtisCodeCounter]));
}

void AtisSetupPage::storeAtisCode(const std::string& code)
{
    state().records.atisCode = code;
}

bool AtisSetupPage::canLeave()
{
    return codeField_->validate();
}

} // namespace zmp
