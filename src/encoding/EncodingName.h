// Encoding names as documents declare them (IANA charset names and their
// common aliases) turned into Windows code pages.
#pragma once

#include <QStringView>

namespace tessel {

// The code page of an encoding name, matched without regard to the case of
// ASCII letters. A name beginning with "UTF-32" (matched with case) is UTF-32
// (CodePageUtf32). An empty, unknown or overlong name gives ansiCodePage.
int codePageForEncodingName(QStringView name, int ansiCodePage);

} // namespace tessel
