#pragma once

#include <QValidator>

namespace zmp {

// A text field's key filter: characters the rule refuses never enter the
// field, whether typed or pasted.
class KeyFilterValidator : public QValidator {
    Q_OBJECT

  public:
    using Rule = bool (*)(char32_t);

    KeyFilterValidator(Rule rule, QObject* parent) : QValidator(parent), rule_(rule) {}

    State validate(QString& input, int& position) const override;

  private:
    Rule rule_;
};

} // namespace zmp
