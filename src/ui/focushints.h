#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace zmp {

// The status-bar hints of a page's controls: each control carries its
// hint, and getting the focus announces it.
class FocusHints : public QObject {
    Q_OBJECT

  public:
    explicit FocusHints(QObject* parent) : QObject(parent) {}

    // The control's hint, kept in its "statusHint" property and given to
    // assistive technology as the control's description.
    void add(QWidget* control, const char* hint);

  signals:
    void hintShown(const QString& hint);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace zmp
