// A wrong-way probe: the image codec builds on the codec, not the reverse.
#include "image/imagecodec.h"
