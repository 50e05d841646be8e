#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QObject>

#include "document/documentstate.h"
#include "ui/messageservice.h"

class QLineEdit;
class QWidget;

namespace zmp {

// The edit cycle of a text field whose value is checked: a change marks the
// field edited (and the configuration modified); every leave, and Enter,
// then stores an accepted text at once and shows it as stored, or refuses
// it with "Data Error!!" under the field's own caption and the focus back
// in the field. The edit mark stays until a text is accepted, so every
// leave validates, not only the first one after the change.
class ValidatedField : public QObject {
    Q_OBJECT

  public:
    // The value to store for the typed text, nothing when it is refused.
    using Accept = std::function<std::optional<std::string>(const std::string&)>;
    using Store = std::function<void(const std::string&)>;
    // The text the field shows for a stored value.
    using Shown = std::function<std::string(const std::string&)>;

    struct Rules {
        Accept accept;
        Store store;
        std::string errorTitle;
        Shown shown = {};
        // Under "Data Error!!": what the field takes, so that the box
        // tells why the text was refused and what to type instead.
        std::string refusalDetail = {};
    };

    ValidatedField(QLineEdit* field, QWidget* page, Rules rules, DocumentState& state,
                   MessageService& messages);

    // The Validate rule; false when the text was refused (after the message,
    // with the focus in the field).
    bool validate();
    bool edited() const { return edited_; }
    // Filling forgets an edit that was never stored.
    void forgetEdit() { edited_ = false; }
    void setErrorTitle(std::string title) { rules_.errorTitle = std::move(title); }
    void setRefusalDetail(std::string detail) { rules_.refusalDetail = std::move(detail); }
    QLineEdit* field() const { return field_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void onTextEdited();
    void onFocusOut();
    bool storeAccepted();

    QLineEdit* field_;
    QWidget* page_;
    Rules rules_;
    DocumentState& state_;
    MessageService& messages_;
    bool edited_ = false;
    bool inMessage_ = false;
};

} // namespace zmp
