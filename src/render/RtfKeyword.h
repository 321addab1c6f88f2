// The control words the RTF reader acts on. Words not listed are ignored.
#pragma once

#include <QByteArrayView>
#include <cstdint>

namespace tessel {

enum class RtfKeyword : uint8_t {
    Unknown,
    // Header
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    // Destinations
    FontTable,
    ColorTable,
    SkippedDestination, // \info, \stylesheet, \pict, \object, \pntext, \fldinst, \nonesttables, ...
    // Tables
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
    // Character properties
    Plain,
    Font,
    FontSize,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    TextColor,
    Background, // \highlight, \cb, \chcbpat
    // Paragraph properties
    ParagraphDefault,
    AlignLeft,
    AlignCenter,
    AlignRight,
    RightToLeftParagraph,
    LeftToRightParagraph,
    // Table structure; the properties of rows and cells are ignored
    CellEnd, // \cell, \nestcell
    RowEnd, // \row, \nestrow
    NestedTableProperties, // {\*\nesttableprops ...}, which holds the \nestrow
    // Text
    Paragraph,
    Line,
    Tab,
    Unicode,
    UnicodeSkip,
    Character, // a word that stands for one character (\emdash, \bullet, ...)
};

struct RtfKeywordInfo {
    RtfKeyword keyword = RtfKeyword::Unknown;
    char16_t character = 0; // for RtfKeyword::Character
};

RtfKeywordInfo lookUpRtfKeyword(QByteArrayView word);

} // namespace tessel
