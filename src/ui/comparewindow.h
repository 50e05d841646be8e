#pragma once

#include <vector>

#include <QDialog>

#include "files/configdiff.h"

class QLabel;
class QTreeWidget;

namespace zmp {

// Transfer > "Compare with Radio": what the radio holds set against the
// editor's configuration, one row per differing key, as zmp-cli diff
// prints it. Only shows; nothing in the editor changes.
class CompareWindow : public QDialog {
    Q_OBJECT

  public:
    explicit CompareWindow(const std::vector<ConfigDiff::Difference>& differences, QWidget* parent = nullptr);
    // "3 differences", "1 difference", or that there is none.
    static QString summary(std::size_t count);
};

} // namespace zmp
