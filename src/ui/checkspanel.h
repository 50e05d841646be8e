#pragma once

#include <QDockWidget>

#include "model/records.h"

class QListWidget;
class QToolButton;

namespace zmp {

// The "Checks" panel: every warning of the configuration, one a line; a
// line that is chosen takes the user to its field.
class ChecksPanel : public QDockWidget {
    Q_OBJECT

  public:
    ChecksPanel(const Records& records, QWidget* parent);

    // Runs the checks again on the records.
    void refresh();
    QListWidget* list() const { return list_; }
    // The count of warnings for the status bar; a click shows the panel.
    QToolButton* summary() const { return summary_; }

  signals:
    // The tree node of the warning's page and the object name of its field.
    void jumpRequested(const QString& nodeKey, const QString& field);

  private:
    const Records& records_;
    QListWidget* list_ = nullptr;
    QToolButton* summary_ = nullptr;
    int count_ = 0;
};

} // namespace zmp
