#include "files/filesystem.h"

namespace zmp {
namespace {

FileSystem* replacement = nullptr;

} // namespace

FileSystem& FileSystem::current()
{
    return replacement ? *replacement : native();
}

void FileSystem::setCurrent(FileSystem* fileSystem)
{
    replacement = fileSystem;
}

} // namespace zmp
