#pragma once

#include "model/records.h"

namespace zmp {

// The built-in defaults with which a new image's tables are filled.
ChannelTable builtInUsaTable();
ChannelTable builtInIntTable();
ChannelTable builtInCanTable();
ChannelTable builtInWxTable();

} // namespace zmp
