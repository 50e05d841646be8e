#pragma once

#include <functional>
#include <string>

#include <QObject>

#include "history/recordhistory.h"
#include "ui/editorstate.h"

namespace zmp {

// Undo and redo for the editor. The pages store every edit into the
// records at once, so the history does not ask them for anything: after
// each key or mouse input it looks whether the records changed and takes
// the change as a step. A change while the modified flag is clear is not
// an edit but a fresh configuration (New, Open, a destination, a read
// from the radio) and starts a fresh history; an unchanged configuration
// with the flag clear has just been saved.
class EditHistory : public QObject {
    Q_OBJECT

  public:
    // where names the edited place (the node and field), so that typing in
    // one field makes one step.
    EditHistory(EditorState& state, std::function<std::string()> where, QObject* parent);
    ~EditHistory() override;

    // Takes a change of the records into the history now.
    void look();
    void undo();
    void redo();
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }

  signals:
    // Undo or redo replaced the records: the tree and page show them again.
    void recordsRestored();
    // The records differ from what they were at the last look.
    void recordsChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void restore(const Records& records);

    EditorState& state_;
    std::function<std::string()> where_;
    RecordHistory history_;
    bool lookPending_ = false;
};

} // namespace zmp
