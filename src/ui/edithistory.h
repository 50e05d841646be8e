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
    // where gives the shown page's name and node key: a step is named
    // after its field, else its page, and typing in one field makes one step.
    EditHistory(EditorState& state, std::function<StepLabel()> where, QObject* parent);
    ~EditHistory() override;

    // Takes a change of the records into the history now.
    void look();
    // A change made by a command, not typed on a page ("Import USA
    // channels (Group1)"): a step of its own, and the records are modified.
    void recordEdit(const std::string& name);
    // A configuration that came as a whole from elsewhere (a read from the
    // radio, a backup): one step that undo can take back.
    void replaceStep(const std::string& name);
    void undo();
    void redo();
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    const StepLabel& undoLabel() const { return history_.undoLabel(); }
    const StepLabel& redoLabel() const { return history_.redoLabel(); }

  signals:
    // Undo or redo replaced the records: the tree and page show them again,
    // at the node of the step (empty when it has none).
    void recordsRestored(const std::string& place);
    // The records differ from what they were at the last look.
    void recordsChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void restore(const Records& records, const std::string& place);
    StepLabel editLabel(const QWidget* control) const;

    EditorState& state_;
    std::function<StepLabel()> where_;
    RecordHistory history_;
    bool lookPending_ = false;
    // Where the latest input before the pending look happened: by the time
    // the look runs, the user may be on another control or page.
    StepLabel pendingLabel_;
};

} // namespace zmp
