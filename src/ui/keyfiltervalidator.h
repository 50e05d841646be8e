#pragma once

#include <QValidator>

class QLineEdit;

namespace zmp {

// A text field's key filter: characters the rule refuses never enter the
// field. Typed keys and pasted text are filtered as they come in, so the
// filter holds even while the field shows a text of the program's own that
// the rule would refuse ("---.----"); the validation of the whole text
// catches what arrives any other way.
class KeyFilterValidator : public QValidator {
    Q_OBJECT

  public:
    using Rule = bool (*)(char32_t);

    KeyFilterValidator(Rule rule, QLineEdit* field);

    State validate(QString& input, int& position) const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool accepts(const QString& text) const;
    QString accepted(const QString& text) const;

    Rule rule_;
    QLineEdit* field_;
};

} // namespace zmp
