#pragma once

#include <QStringList>

namespace zmp {

// Menu captions with an access key each: "&" before the first letter or
// digit that no caption before it has taken, so that no two items of a
// menu share a key. A "&" of the caption itself is kept as text.
QStringList withAccessKeys(const QStringList& captions);

} // namespace zmp
