// Text on its way to a terminal: in the locale's character set, and with no
// control character left that could drive the terminal.
#pragma once

#include <QString>

namespace tessel::cli {

// Whether setlocale could set the locale the environment names.
enum class LocaleState { Set, NotInstalled };

// The code page of the locale's character set (nl_langinfo(CODESET)), to be
// asked before Qt switches the character type to UTF-8; for a locale that is
// not installed, the character set its name gives.
int localeCodePage(LocaleState state);

// The system's words for an errno value, as the C library gives them in the
// character set now in force.
QString systemReason(int errnum);

// Control characters shown as escapes ("\e", "\x07", "\u009b") so that no
// text from a file can drive the terminal; line ends stay when kept.
enum class LineEnds { Escaped, Kept };
QString escapedControls(const QString& text, LineEnds lineEnds = LineEnds::Escaped);

} // namespace tessel::cli
