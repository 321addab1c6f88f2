// The named character references of HTML 4 plus "apos".
#pragma once

#include <QStringView>

namespace tessel {

// The character a reference name stands for, or 0 when the name is unknown.
// The exact name wins; otherwise the name is matched ignoring the case of
// ASCII letters, and of names that differ only in case the first in the
// table's order (the one with the lower code point) answers.
char32_t namedReference(QStringView name);

} // namespace tessel
