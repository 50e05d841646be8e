#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QObject>

#include "model/processflags.h"
#include "ui/messageservice.h"

class QLineEdit;
class QWidget;

namespace zmp {

// The edit cycle of a settings text field: a change marks the field edited
// (and the configuration modified); the Validate rule then stores an
// accepted text or refuses it with "Data Error!!" under the field's own
// caption, keeping the focus in the field. Leaving the field for another
// control of the same page validates; leaving it for the tree or another
// window stores an accepted text silently and leaves a refused one to the
// page's leave check.
class ValidatedField : public QObject {
    Q_OBJECT

  public:
    using Accept = std::function<std::optional<std::string>(const std::string&)>;
    using Store = std::function<void(const std::string&)>;

    struct Rules {
        Accept accept;
        Store store;
        std::string errorTitle;
        bool storeOnEnter = false;
    };

    ValidatedField(QLineEdit* field, QWidget* page, Rules rules, ProcessFlags& flags,
                   MessageService& messages);

    // The Validate rule; false when the text was refused.
    bool validate();
    bool edited() const { return edited_; }
    // Filling forgets an edit that was never stored.
    void forgetEdit() { edited_ = false; }
    QLineEdit* field() const { return field_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void onTextEdited();
    void onFocusOut();
    bool check(bool takeFocus);

    QLineEdit* field_;
    QWidget* page_;
    Rules rules_;
    ProcessFlags& flags_;
    MessageService& messages_;
    bool edited_ = false;
};

} // namespace zmp
