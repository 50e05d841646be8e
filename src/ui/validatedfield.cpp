#include "ui/validatedfield.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include "message/messagetexts.h"
#include "ui/bringforward.h"

namespace zmp {

ValidatedField::ValidatedField(QLineEdit* field, QWidget* page, Rules rules, DocumentState& state,
                               MessageService& messages)
    : QObject(field), field_(field), page_(page), rules_(std::move(rules)), state_(state), messages_(messages)
{
    field_->installEventFilter(this);
    connect(field_, &QLineEdit::textEdited, this, &ValidatedField::onTextEdited);
}

void ValidatedField::onTextEdited()
{
    if (state_.flags.filling || !field_->isEnabled()) return;
    edited_ = true;
    state_.markEdited();
}

bool ValidatedField::validate()
{
    if (!edited_ || storeAccepted()) return true;
    inMessage_ = true;
    messages_.inform(rules_.errorTitle, msg::DataError, MessageIcon::Warning, rules_.refusalDetail);
    inMessage_ = false;
    // The user may have turned to another tab meanwhile: the field's own
    // comes back first, or the focus could not return to it.
    bringForward(field_);
    field_->setFocus(Qt::OtherFocusReason);
    return false;
}

// Stores an accepted text and shows it as stored: what the field shows is
// what the records hold.
bool ValidatedField::storeAccepted()
{
    const std::optional<std::string> accepted = rules_.accept(field_->text().toStdString());
    if (!accepted) return false;
    edited_ = false;
    const std::string shown = rules_.shown ? rules_.shown(*accepted) : *accepted;
    if (field_->text().toStdString() != shown) field_->setText(QString::fromStdString(shown));
    rules_.store(*accepted);
    return true;
}

// A refused text is never left behind silently: once the focus change is
// over (a box opened inside it, or a focus taken back inside it, would be
// undone by it) the message is shown and the focus comes back, unless a
// leave check has done so meanwhile.
void ValidatedField::onFocusOut()
{
    if (!edited_ || storeAccepted()) return;
    const QPointer<QLineEdit> field = field_;
    QTimer::singleShot(0, this, [this, field] {
        if (field && edited_ && !inMessage_ && !field_->hasFocus()) validate();
    });
}

bool ValidatedField::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // A message box or a menu taking the focus is not the user leaving.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) onFocusOut();
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const auto plain = key->modifiers() & ~Qt::KeypadModifier;
        if (enter && plain == Qt::NoModifier) validate();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zmp
