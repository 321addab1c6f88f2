// The RTF font charsets (\fcharsetN) and the Windows code pages their
// \'hh bytes and font names are written in.
#pragma once

namespace tessel {

// The charset every byte of which stands for the character of the same
// number (the Symbol charset), decoded through ISO-8859-1.
constexpr int CodePageSymbol = 28591;

// The code page of a font charset; charset 1 (default) and unknown charsets
// use the document's \ansicpg.
int codePageForCharset(int charset, int ansiCodePage);

// The charset that names a code page in a font table entry; 1 (default) for
// code pages without a charset of their own.
int charsetForCodePage(int codePage);

} // namespace tessel
