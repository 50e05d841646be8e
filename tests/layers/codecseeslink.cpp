// A wrong-way probe: the codec sits below the link.
#include "link/linkframe.h"
