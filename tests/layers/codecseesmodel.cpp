// The right-way probe: the codec builds on the records.
#include "model/records.h"

zmp::ChannelRecord codecSeesModel;
