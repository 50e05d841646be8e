#pragma once

#include <functional>
#include <map>
#include <string>

#include <QObject>

#include "ui/page.h"
#include "ui/pageid.h"

class QSplitter;
class QStackedWidget;

namespace zmp {

class NodeTree;

// The tree beside the page stack: which page a node shows, the check that
// lets the user leave the shown page, and the tree kept in step with the
// records.
class PageSwitcher : public QObject {
    Q_OBJECT

  public:
    // The splitter holding the tree and the pages is a child of window;
    // pageLeft runs each time the shown page has been left.
    PageSwitcher(QWidget& window, const PageContext& context, std::function<void()> pageLeft);

    QSplitter& splitter() const { return *splitter_; }
    NodeTree& tree() const { return *tree_; }
    QStackedWidget& stack() const { return *stack_; }
    // Pages register themselves here; a node whose page is not registered
    // shows the grey page.
    void registerPage(PageId id, Page* page);
    Page* page(PageId id) const { return pages_.at(id); }
    Page* shownPage() const;
    int currentNodeIndex() const { return currentNodeIndex_; }
    // Validates the shown page; false keeps the user on it.
    bool leavePageCheck();
    // Selects the first node with this key and runs the node selection on it.
    void selectNodeByKey(const std::string& key);
    // A new configuration: a new tree, its General page shown.
    void resetTree();
    void refreshTree();
    void refreshCurrentPage();
    void refreshDirectoryTexts();
    void fillUsablePage();

  signals:
    void hintChanged(const QString& hint);
    // A page asks to run a clear operation (an OperationType number).
    void clearRequested(int operation);

  private:
    void createPages(const PageContext& context);
    void connectTree();
    void onNodeSelected(int index);
    void onNodeClicked(int index);
    void restoreRefusedNode();
    void showNodePage(int index);
    void refreshGroupTexts();

    QWidget& window_;
    EditorState& state_;
    std::function<void()> pageLeft_;
    QSplitter* splitter_ = nullptr;
    NodeTree* tree_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    Page* greyPage_ = nullptr;
    std::map<PageId, Page*> pages_;
    int currentNodeIndex_ = -1;
    bool restorePending_ = false;
};

} // namespace zmp
