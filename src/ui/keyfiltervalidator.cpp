#include "ui/keyfiltervalidator.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace zmp {

KeyFilterValidator::KeyFilterValidator(Rule rule, QLineEdit* field)
    : QValidator(field), rule_(rule), field_(field)
{
    field_->installEventFilter(this);
}

QValidator::State KeyFilterValidator::validate(QString& input, int&) const
{
    return accepts(input) ? Acceptable : Invalid;
}

bool KeyFilterValidator::accepts(const QString& text) const
{
    for (const char32_t c : text.toUcs4())
        if (!rule_(c)) return false;
    return true;
}

QString KeyFilterValidator::accepted(const QString& text) const
{
    QString kept;
    for (const char32_t c : text.toUcs4())
        if (rule_(c)) kept += QString::fromUcs4(&c, 1);
    return kept;
}

bool KeyFilterValidator::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != field_ || event->type() != QEvent::KeyPress || field_->isReadOnly())
        return QValidator::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Paste)) {
        field_->insert(accepted(QGuiApplication::clipboard()->text()));
        return true;
    }
    // Backspace, Tab, Enter and the like carry control characters and pass.
    const QString text = key->text();
    return (!text.isEmpty() && text.front().isPrint() && !accepts(text)) ||
           QValidator::eventFilter(watched, event);
}

} // namespace zmp
