#pragma once

#include <string>

namespace zmp {

// Where a warning points, so that the editor can take the user there.
enum class CheckSubject {
    UserMmsi,
    AtisCode,
    MemoryId,        // index: entry number 1..80
    GroupId,         // index: entry number 1..32
    PriorityChannel, // index: usable group 0..2
    UsableDsc,       // index: usable group 0..3
};

struct CheckWarning {
    CheckSubject subject = CheckSubject::UserMmsi;
    int index = 0;
    std::string text; // one line, naming the item: "Group1: priority channel 16 is not enabled"
};

} // namespace zmp
