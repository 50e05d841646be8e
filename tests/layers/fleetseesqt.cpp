// A wrong-way probe: the fleet is core, below every toolkit.
#include <QString>
