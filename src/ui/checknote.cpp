#include "ui/checknote.h"

#include <algorithm>

#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <QTimer>
#include <QVBoxLayout>

#include "checks/mmsiform.h"
#include "codec/mmsitext.h"
#include "rules/fieldrules.h"

namespace zmp {

namespace {

constexpr int NoteLines = 2;

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

const char* const StoredMmsiProperty = "storedMmsi";

// A digit the field leaves out of a stored MMSI, while the field still
// shows that MMSI.
std::string strayDigitProblem(const QLineEdit& field, const std::string& text)
{
    const std::string stored = field.property(StoredMmsiProperty).toString().toStdString();
    if (text.empty() || !shownMmsi(trimSpaces(stored)).ends_with(text)) return {};
    return strayTenthDigitProblem(stored);
}

} // namespace

CheckNote::CheckNote(QLineEdit* field, Judge judge) : field_(field), judge_(std::move(judge))
{
    setObjectName(QStringLiteral("lblNote_") + field->objectName());
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    setFont(small);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setFixedHeight(NoteLines * fontMetrics().lineSpacing());
    placeUnder(field, this);
    // A page fills its field before it settles the rest of its state
    // (which directory it shows), so the note is judged once that is done.
    connect(field, &QLineEdit::textChanged, this,
            [this] { QTimer::singleShot(0, this, &CheckNote::refresh); });
    refresh();
}

void CheckNote::refresh()
{
    const std::string typed = field_->text().trimmed().toStdString();
    MmsiVerdict verdict = judge_(typed);
    if (verdict.problem.empty()) verdict.problem = strayDigitProblem(*field_, typed);
    setText(QString::fromStdString(verdict.shown()));
    setToolTip(text());
    setStyleSheet(verdict.problem.empty() ? QString() : QStringLiteral("color: #b00020;"));
}

// Whole words while they fit, the last line cut with "…".
void CheckNote::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    const int lineHeight = fontMetrics().lineSpacing();
    QString rest = text();
    for (int line = 0; line < NoteLines && !rest.isEmpty(); ++line) {
        QString shown = fontMetrics().elidedText(rest, Qt::ElideRight, area.width());
        if (line + 1 < NoteLines && shown != rest) {
            QTextLayout layout(rest, font());
            layout.beginLayout();
            QTextLine first = layout.createLine();
            first.setLineWidth(area.width());
            layout.endLayout();
            shown = rest.left(std::max(1, first.textLength()));
        }
        const QRect band(area.left(), area.top() + line * lineHeight, area.width(), lineHeight);
        style()->drawItemText(&painter, band, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(), shown,
                              foregroundRole());
        rest = rest.mid(shown.size()).trimmed();
    }
}

void CheckNote::keepStoredMmsi(QLineEdit& field, const std::string& stored)
{
    field.setProperty(StoredMmsiProperty, QString::fromStdString(stored));
    if (auto* note =
            field.parentWidget()->findChild<CheckNote*>(QStringLiteral("lblNote_") + field.objectName()))
        note->refresh();
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
