#include "ui/checknote.h"

#include <QLayout>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace zmp {

namespace {

// The note sits under the field: the field's place in its layout goes to
// a column of the field and the note, so every page keeps its own layout.
void placeUnder(QLineEdit* field, CheckNote* note)
{
    QWidget* parent = field->parentWidget();
    auto* column = new QWidget(parent);
    column->setObjectName(field->objectName() + QStringLiteral("Column"));
    if (parent->layout()) delete parent->layout()->replaceWidget(field, column);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(field);
    layout->addWidget(note);
}

// A group MMSI field edits the digits after its fixed "0" label.
bool showsGroupId(const QLineEdit* field)
{
    const auto* zero = field->window()->findChild<QLabel*>(QStringLiteral("lblGroup"));
    return zero && !zero->isHidden();
}

} // namespace

CheckNote::CheckNote(QLineEdit* field, Judge judge) : field_(field), judge_(std::move(judge))
{
    setObjectName(QStringLiteral("lblNote_") + field->objectName());
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    setFont(small);
    placeUnder(field, this);
    // A page fills its field before it settles the rest of its state
    // (which directory it shows), so the note is judged once that is done.
    connect(field, &QLineEdit::textChanged, this,
            [this] { QTimer::singleShot(0, this, &CheckNote::refresh); });
    refresh();
}

void CheckNote::refresh()
{
    const MmsiVerdict verdict = judge_(field_->text().trimmed().toStdString());
    setText(QString::fromStdString(verdict.shown()));
    // An empty note takes no room from the page.
    setVisible(!text().isEmpty());
    setStyleSheet(verdict.problem.empty() ? QString() : QStringLiteral("color: #b00020;"));
}

void CheckNote::attachAll(QWidget& root)
{
    for (auto* field : root.findChildren<QLineEdit*>(QStringLiteral("txtUserMMSI")))
        new CheckNote(field, [](const std::string& text) { return judgeNumber(NumberRole::UserMmsi, text); });
    for (auto* field : root.findChildren<QLineEdit*>(QStringLiteral("txtATIScode")))
        new CheckNote(field, [](const std::string& text) { return judgeNumber(NumberRole::AtisCode, text); });
    for (auto* field : root.findChildren<QLineEdit*>(QStringLiteral("txtGMMSI")))
        new CheckNote(field, [field](const std::string& text) {
            return showsGroupId(field) ? judgeNumber(NumberRole::GroupId, "0" + text)
                                       : judgeNumber(NumberRole::MemoryId, text);
        });
}

} // namespace zmp
