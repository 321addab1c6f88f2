// The RTF font charsets (\fcharsetN) and the Windows code pages their
// \'hh bytes and font names are written in.
#pragma once

#include <QStringView>

namespace tessel {

// The charset for characters the Windows ANSI code page holds (1252).
constexpr int CharsetAnsi = 0;
// The charset that leaves the code page to the document's \ansicpg.
constexpr int CharsetDefault = 1;

// The charset every byte of which stands for the character of the same
// number (the Symbol charset), decoded through ISO-8859-1.
constexpr int CodePageSymbol = 28591;

// The code page of a font charset; charset 1 (default) and unknown charsets
// use the document's \ansicpg.
int codePageForCharset(int charset, int ansiCodePage);

// The charset that names a code page in a font table entry; 1 (default) for
// code pages without a charset of their own.
int charsetForCodePage(int codePage);

// The charset a face is written with when none was read for it, judged by
// the script of its name: 128 for a name with kana, 129 with Hangul, 136 with
// a Han character that only traditional Chinese uses, 134 with any other Han
// character; otherwise the charset of the first Windows code page that holds
// the name (0 for Latin), or 0 when none does.
int charsetForFaceName(QStringView face);

// Whether the byte opens a double-byte character in the code page.
bool isLeadByte(int codePage, unsigned char byte);

} // namespace tessel
