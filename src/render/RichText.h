// The rich-text model: the plain text as the badge's rich edit control
// reports it, one character format per character, and the paragraphs with
// their alignment. It is what the RTF reader produces and the writer takes.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace tessel {

// The longest face name a character format holds, in UTF-16 units.
constexpr qsizetype MaxFaceLength = 32;

// A face name as a format holds it: without surrounding white space and cut
// to MaxFaceLength units (never between the halves of a surrogate pair).
inline QString normalizedFaceName(const QString& face)
{
    QString name = face.trimmed();
    if (name.size() > MaxFaceLength) {
        qsizetype length = MaxFaceLength;
        if (name[length - 1].isHighSurrogate())
            --length;
        name = name.left(length).trimmed();
    }
    return name;
}

// The font charset of a face not read from a font table: the writer chooses
// it from the script of the face's name.
constexpr int CharsetFromFaceName = -1;

struct CharFormat {
    QString face; // up to MaxFaceLength UTF-16 units
    int charset = CharsetFromFaceName; // \fcharsetN the face was read with
    int twips = 200; // character height; 15 twips per pixel
    bool bold = false;
    bool italic = false;
    bool underline = false;
    uint32_t textColor = 0x000000; // 0x00BBGGRR; "automatic" reads as black
    bool hasBackground = false; // no background: drawn on black
    uint32_t backColor = 0x000000;

    bool operator==(const CharFormat&) const = default;
};

enum class Alignment : uint8_t { Left = 0, Center = 1, Right = 2 };

struct Paragraph {
    Alignment alignment = Alignment::Left;
    bool rightToLeft = false;

    bool operator==(const Paragraph&) const = default;
};

// A paragraph break between two paragraphs is the one character u'\r';
// a line break inside a paragraph (RTF \line) is u'\v'; a tab is u'\t'.
constexpr char16_t ParagraphBreak = u'\r';
constexpr char16_t LineBreak = u'\v';

struct RichText {
    QString text;
    std::vector<CharFormat> formats; // formats.size() == text.size()
    std::vector<Paragraph> paragraphs; // text.count(ParagraphBreak) + 1 entries
    CharFormat insertionFormat; // the format of the end of the text (for typing on)

    int length() const { return static_cast<int>(text.size()); }
};

} // namespace tessel
