#pragma once

namespace zmp {

enum class PathKind { Missing, Regular, Folder, Other };

// What a path names, following symbolic links. Other is anything that is
// neither a regular file nor a folder: a FIFO, a device, a socket.
struct PathStatus {
    PathKind kind = PathKind::Missing;
    long long size = 0;
};

} // namespace zmp
