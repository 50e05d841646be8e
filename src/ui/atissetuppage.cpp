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

#include "files/pagecaptions.h"
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
    const std::span<const SettingRow> rows = atisSettings();
    layout->addWidget(createGroupBoxes(rows.first(UsableGroupCount), 0));
    layout->addWidget(createCodeFrame());
    layout->addWidget(createGroupBoxes(rows.subspan(UsableGroupCount), UsableGroupCount));
    layout->addStretch(1);
}

// The boxes of one frame; a frame of settings the image has no place for
// says so under its boxes and in each box's tooltip.
QGroupBox* AtisSetupPage::createGroupBoxes(std::span<const SettingRow> rows, std::size_t first)
{
    auto* frame = new QGroupBox(QString::fromLatin1(rows.front().frame), this);
    auto* layout = new QGridLayout(frame);
    const QString notSent = QString::fromLatin1(msg::NotSentToRadio);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const SettingRow& row = rows[i];
        auto* box = new QCheckBox(frame);
        box->setObjectName(QString::fromLatin1(row.objectName));
        if (row.imageForm == ImageForm::None) box->setToolTip(notSent);
        const int group = static_cast<int>(i);
        layout->addWidget(box, group / BoxesPerLine, group % BoxesPerLine);
        hints_->add(box, msg::CheckBoxHint);
        // Boxes react to their state, however it changes: a click, the space
        // bar or assistive technology. Filling sets them quietly.
        connect(box, &QCheckBox::toggled, this, [this, setting = row.slot](bool on) {
            if (state().flags.filling) return;
            state().records.settings[at(setting)] = on ? 1 : 0;
            state().markEdited();
        });
        boxes_[first + i] = box;
    }
    if (rows.front().imageForm == ImageForm::None) {
        auto* note = new QLabel(notSent, frame);
        note->setObjectName(indexedName("lblATISNotSent", static_cast<int>(first / UsableGroupCount)));
        layout->addWidget(note, layout->rowCount(), 0, 1, BoxesPerLine);
    }
    return frame;
}

QGroupBox* AtisSetupPage::createCodeFrame()
{
    auto* frame = new QGroupBox(this);
    auto* grid = new QGridLayout(frame);
    codeLabel_ = new QLabel(QString::fromLatin1(pagecaption::AtisCode), frame);
    code_ = new QLineEdit(frame);
    code_->setObjectName(QStringLiteral("txtATIScode"));
    code_->setAccessibleName(codeLabel_->text());
    code_->setValidator(new KeyFilterValidator(isDigitKey, code_));
    codeField_ = new ValidatedField(code_, this,
                                    {acceptedAtisCode,
                                     [this](const std::string& code) { storeAtisCode(code); },
                                     msg::AtisCodeTitle,
                                     {},
                                     msg::AtisCodeHint},
                                    state(), messages());
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
    const std::span<const SettingRow> rows = atisSettings();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::size_t group = i % UsableGroupCount;
        QCheckBox* box = boxes_[i];
        {
            const QSignalBlocker blocker(box);
            box->setText(
                QString::fromStdString(withStatusName(msg::GroupCaptions[group], records.groups[group])));
        }
        checkQuietly(box, shownValue(rows[i], records.settings) != 0);
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
