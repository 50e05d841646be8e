// A wrong-way probe: the core includes no Qt header.
#include <QString>
