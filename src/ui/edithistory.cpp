#include "ui/edithistory.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

#include "history/recordsequal.h"

namespace zmp {

EditHistory::EditHistory(EditorState& state, std::function<std::string()> where, QObject* parent)
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
    if ((input || settled) && !lookPending_) {
        lookPending_ = true;
        QTimer::singleShot(0, this, &EditHistory::look);
    }
    return false;
}

void EditHistory::look()
{
    lookPending_ = false;
    if (state_.flags.filling) return;
    if (recordsEqual(state_.records, history_.current())) {
        if (!state_.flags.modified) history_.markSaved();
        return;
    }
    if (!state_.flags.modified) {
        history_.reset(state_.records, true);
    } else {
        // Typing in a text field is one step until the user goes elsewhere.
        const auto* field = qobject_cast<const QLineEdit*>(QApplication::focusWidget());
        history_.record(state_.records,
                        field ? where_() + "/" + field->objectName().toStdString() : std::string());
    }
    emit recordsChanged();
}

void EditHistory::undo()
{
    look();
    if (canUndo()) restore(history_.undo());
}

void EditHistory::redo()
{
    look();
    if (canRedo()) restore(history_.redo());
}

void EditHistory::restore(const Records& records)
{
    state_.records = records;
    state_.flags.modified = !history_.atSaved();
    emit recordsRestored();
    emit recordsChanged();
}

} // namespace zmp
