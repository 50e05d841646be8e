#include "history/recordhistory.h"

#include "history/recordsequal.h"

namespace zmp {

void RecordHistory::reset(const Records& records, bool clean)
{
    steps_.assign(1, Step{records, {}, {}});
    at_ = 0;
    saved_ = clean ? std::optional<std::size_t>(0) : std::nullopt;
}

bool RecordHistory::record(const Records& records, const std::string& coalesce, StepLabel label)
{
    if (recordsEqual(records, current())) return false;
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(at_) + 1, steps_.end());
    if (saved_ && *saved_ > at_) saved_.reset();
    const bool amend = !coalesce.empty() && at_ > 0 && steps_[at_].coalesce == coalesce;
    if (amend) {
        if (saved_ == at_) saved_.reset();
        steps_[at_].records = records;
        if (recordsEqual(records, steps_[at_ - 1].records)) {
            steps_.pop_back();
            --at_;
        }
        return true;
    }
    steps_.push_back(Step{records, coalesce, std::move(label)});
    ++at_;
    if (steps_.size() > StepLimit) dropOldest();
    return true;
}

const Records& RecordHistory::undo()
{
    if (canUndo()) --at_;
    steps_[at_].coalesce.clear();
    return current();
}

const Records& RecordHistory::redo()
{
    if (canRedo()) ++at_;
    steps_[at_].coalesce.clear();
    return current();
}

const StepLabel& RecordHistory::undoLabel() const
{
    static const StepLabel none;
    return canUndo() ? steps_[at_].label : none;
}

const StepLabel& RecordHistory::redoLabel() const
{
    static const StepLabel none;
    return canRedo() ? steps_[at_ + 1].label : none;
}

void RecordHistory::dropOldest()
{
    steps_.pop_front();
    --at_;
    if (saved_) saved_ = *saved_ > 0 ? std::optional<std::size_t>(*saved_ - 1) : std::nullopt;
}

} // namespace zmp
