// Numbers in the program and settings files are read leniently, as the files
// written by earlier versions and by hand demand.
#pragma once

#include <QStringView>
#include <cstdint>

namespace tessel {

// Optional leading white space and sign, then decimal digits up to the first
// other character; no digits give 0. Values beyond the 32-bit range stop at
// its limits. Callers cut the result to their field's width.
int32_t lenientInt(QStringView text);

} // namespace tessel
