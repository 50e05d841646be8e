#pragma once

#include <string>

#include <QWidget>

#include "ui/editorstate.h"
#include "ui/messageservice.h"

namespace zmp {

class PageScroller;

// What every page of the main window's right-hand side is given.
struct PageContext {
    EditorState& state;
    MessageService& messages;
};

// One page of the main window. The window fills a page from the records
// each time its node is chosen (with the filling flag set, so the page's
// edit handlers stay quiet) and asks it before the user leaves it.
class Page : public QWidget {
    Q_OBJECT

  public:
    Page(PageContext context, QWidget* parent = nullptr) : QWidget(parent), context_(context) {}

    // Fills the controls from the records for the node with this key.
    virtual void fill(const std::string& nodeKey) { (void)nodeKey; }
    // Validates the focused field; false keeps the user on this page.
    virtual bool canLeave() { return true; }

  signals:
    // Asks the window to select the node with this key and show its page,
    // as the node selection does (grid jumps).
    void nodeJumpRequested(const QString& key);
    // Asks the window to show this text on the node with this key.
    void nodeTextChanged(const QString& key, const QString& text);
    // The directory entries changed: their node texts must be refreshed.
    void directoryTextsChanged();
    // A control of the page got the focus: its status-bar hint.
    void hintChanged(const QString& hint);
    // A usable channel group was checked or unchecked: the tree's set of
    // nodes changed, so the window rebuilds it and refills the Usable page.
    void treeRebuildRequested();
    // A status name changed: the group node texts must show it.
    void groupTextsChanged();
    // Asks the window to run a clear operation (an OperationType number)
    // through the transfer dialog; on success it refills the shown page.
    void clearRequested(int operation);

  protected:
    EditorState& state() { return context_.state; }
    const EditorState& state() const { return context_.state; }
    MessageService& messages() { return context_.messages; }
    // The widget a page with many controls lays them out on; it scrolls
    // within the page when the window is smaller than the controls need.
    QWidget* scrolledBody();

  private:
    PageContext context_;
    PageScroller* scroller_ = nullptr;
};

} // namespace zmp
