#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

#include "model/records.h"

namespace zmp {

// What a step did and where, so that undo can name it and show its page:
// "Edit ATIS Code" on the node "ATIS".
struct StepLabel {
    std::string name;
    std::string place;
};

// The steps of an editing session as whole snapshots of the records: a
// whole configuration is a few tens of kilobytes, so a snapshot per edit
// is cheap and undo can never miss a field. The history also knows which
// step was last saved, so that the modified flag can follow it.
class RecordHistory {
  public:
    static constexpr std::size_t StepLimit = 200;

    // Starts afresh: these records are the only step, saved when clean.
    void reset(const Records& records, bool clean);

    // Takes the records after an edit as a new step; false when they equal
    // the current step. A step with the same non-empty coalescing key as
    // the newest one replaces it, so typing in one field is one step.
    bool record(const Records& records, const std::string& coalesce = {}, StepLabel label = {});
    // The current step's records.
    const Records& current() const { return steps_[at_].records; }

    bool canUndo() const { return at_ > 0; }
    bool canRedo() const { return at_ + 1 < steps_.size(); }
    // Moves one step back or forward and returns that step's records.
    const Records& undo();
    const Records& redo();
    // The step undo would take back and the one redo would bring again;
    // an empty label when there is none.
    const StepLabel& undoLabel() const;
    const StepLabel& redoLabel() const;

    // The current step is what the file holds now.
    void markSaved() { saved_ = at_; }
    bool atSaved() const { return saved_ == at_; }
    std::size_t size() const { return steps_.size(); }

  private:
    struct Step {
        Records records;
        std::string coalesce;
        StepLabel label;
    };
    void dropOldest();

    std::deque<Step> steps_{Step{}};
    std::size_t at_ = 0;
    std::optional<std::size_t> saved_ = 0;
};

} // namespace zmp
