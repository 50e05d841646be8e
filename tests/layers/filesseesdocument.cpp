// A wrong-way probe: the document builds on the file layer, not the reverse.
#include "document/configurationdocument.h"
