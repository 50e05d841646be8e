#pragma once

#include <vector>

#include <QDialog>

#include "files/radiocomparison.h"

class QCheckBox;
class QLabel;
class QTreeWidget;

namespace zmp {

// Transfer > "Compare with Radio": what the radio holds set against the
// editor's configuration, by page, in the names and values the pages show.
// It only shows; a row that is chosen takes the user to its field, and the
// window stays open beside the editor.
class CompareWindow : public QDialog {
    Q_OBJECT

  public:
    explicit CompareWindow(std::vector<ComparedSetting> settings, QWidget* parent = nullptr);
    // "3 differences on 2 pages", "1 difference on 1 page", or that there is none.
    static QString summary(std::size_t differences, std::size_t pages);

  signals:
    // The tree node of the row's page and the object name of its field.
    void jumpRequested(const QString& nodeKey, const QString& field);

  private:
    void fill();

    std::vector<ComparedSetting> settings_;
    QLabel* summary_ = nullptr;
    QCheckBox* onlyDifferences_ = nullptr;
    QTreeWidget* list_ = nullptr;
};

} // namespace zmp
