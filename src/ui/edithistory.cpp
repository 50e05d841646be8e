#include "ui/edithistory.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

#include "history/recordsequal.h"

namespace zmp {

namespace {

// The name of the control being edited: its accessible name, else its
// caption without the access key's "&".
QString controlName(const QWidget* control)
{
    if (!control) return {};
    if (!control->accessibleName().isEmpty()) return control->accessibleName();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text().remove(QLatin1Char('&'));
    return {};
}

} // namespace

EditHistory::EditHistory(EditorState& state, std::function<StepLabel()> where, QObject* parent)
    : QObject(parent), state_(state), where_(std::move(where))
{
    history_.reset(state_.records, !state_.flags.modified);
    qApp->installEventFilter(this);
}

EditHistory::~EditHistory()
{
    qApp->removeEventFilter(this);
}

bool EditHistory::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    const bool input =
        type == QEvent::KeyRelease || type == QEvent::MouseButtonRelease || type == QEvent::FocusOut;
    // A long operation (New, a destination, Open) disables the window and
    // enables it again when it has set up the records.
    const auto* widget = qobject_cast<const QWidget*>(watched);
    const bool settled = type == QEvent::EnabledChange && widget && widget->isWindow() && widget->isEnabled();
    if (!input && !settled) return false;
    // The latest input names the step: the field being left, or the control
    // that has the focus.
    pendingLabel_ = editLabel(type == QEvent::FocusOut ? widget : QApplication::focusWidget());
    if (!lookPending_) {
        lookPending_ = true;
        QTimer::singleShot(0, this, &EditHistory::look);
    }
    return false;
}

void EditHistory::look()
{
    StepLabel label = lookPending_ ? pendingLabel_ : editLabel(QApplication::focusWidget());
    lookPending_ = false;
    // A modal dialog (a transfer) may be filling the records; what it
    // leaves is taken when it has closed.
    if (state_.flags.filling || QApplication::activeModalWidget()) return;
    if (recordsEqual(state_.records, history_.current())) {
        if (!state_.flags.modified) history_.markSaved();
        return;
    }
    if (!state_.flags.modified) {
        history_.reset(state_.records, true);
    } else {
        // Typing in a text field is one step until the user goes elsewhere.
        const auto* field = qobject_cast<const QLineEdit*>(QApplication::focusWidget());
        const std::string coalesce =
            field ? label.place + "/" + field->objectName().toStdString() : std::string();
        history_.record(state_.records, coalesce, std::move(label));
    }
    emit recordsChanged();
}

// "Edit ATIS Code" after the focused control, else "Edit Memory ID3"
// after the page.
StepLabel EditHistory::editLabel(const QWidget* control) const
{
    StepLabel label = where_();
    const QString name = controlName(control);
    label.name = "Edit " + (name.isEmpty() ? label.name : name.toStdString());
    return label;
}

void EditHistory::recordEdit(const std::string& name)
{
    if (!history_.record(state_.records, {}, {name, where_().place})) return;
    state_.flags.modified = !history_.atSaved();
    emit recordsChanged();
}

void EditHistory::replaceStep(const std::string& name)
{
    const bool clean = !state_.flags.modified;
    if (!history_.record(state_.records, {}, {name, where_().place})) return;
    if (clean) history_.markSaved();
    emit recordsChanged();
}

void EditHistory::undo()
{
    look();
    if (!canUndo()) return;
    const std::string place = history_.undoLabel().place;
    restore(history_.undo(), place);
}

void EditHistory::redo()
{
    look();
    if (!canRedo()) return;
    const std::string place = history_.redoLabel().place;
    restore(history_.redo(), place);
}

void EditHistory::restore(const Records& records, const std::string& place)
{
    state_.records = records;
    state_.flags.modified = !history_.atSaved();
    emit recordsRestored(place);
    emit recordsChanged();
}

} // namespace zmp
