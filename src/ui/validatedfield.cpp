#include "ui/validatedfield.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "ui/uimessages.h"

namespace zmp {

ValidatedField::ValidatedField(QLineEdit* field, QWidget* page, Rules rules, ProcessFlags& flags,
                               MessageService& messages)
    : QObject(field), field_(field), page_(page), rules_(std::move(rules)), flags_(flags), messages_(messages)
{
    field_->installEventFilter(this);
    connect(field_, &QLineEdit::textEdited, this, &ValidatedField::onTextEdited);
}

void ValidatedField::onTextEdited()
{
    if (flags_.filling || !field_->isEnabled()) return;
    edited_ = true;
    flags_.modified = true;
}

bool ValidatedField::validate()
{
    return check(true);
}

bool ValidatedField::check(bool takeFocus)
{
    if (!edited_) return true;
    const std::optional<std::string> accepted = rules_.accept(field_->text().toStdString());
    if (!accepted) {
        messages_.inform(rules_.errorTitle, uimsg::DataError, BoxIcon::Warning);
        if (takeFocus) field_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    edited_ = false;
    rules_.store(*accepted);
    return true;
}

void ValidatedField::onFocusOut()
{
    if (!edited_) return;
    const QWidget* next = QApplication::focusWidget();
    if (next && page_->isAncestorOf(next)) {
        // The focus cannot be taken back inside its own focus change.
        if (!check(false)) QTimer::singleShot(0, field_, [this] { field_->setFocus(Qt::OtherFocusReason); });
        return;
    }
    const std::optional<std::string> accepted = rules_.accept(field_->text().toStdString());
    if (!accepted) return;
    edited_ = false;
    rules_.store(*accepted);
}

bool ValidatedField::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // A message box or a menu taking the focus is not the user leaving.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) onFocusOut();
    } else if (event->type() == QEvent::KeyPress && rules_.storeOnEnter) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const auto plain = key->modifiers() & ~Qt::KeypadModifier;
        if (enter && plain == Qt::NoModifier) validate();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zmp
