// Recognises the tokens of markup text: the kind and extent of the tag that
// starts at a "<", tag names, and the attributes inside a start tag.
#pragma once

#include <QStringView>

namespace tessel {

struct MarkupToken {
    enum Kind {
        Text, // a "<" that starts no well-formed tag
        StartTag,
        EmptyElementTag,
        EndTag,
        ProcessingInstruction,
        Comment,
        CDataSection,
        DocumentType,
        OtherTag, // any other tag opened by "<!"
    };

    Kind kind = Text;
    qsizetype end = 0; // one past the token; where scanning resumes
    qsizetype nameLength = 0; // of start, empty-element and end tags
    // The syntax fault found, as a result log event, or null.
    const char* fault = nullptr;
    // For "unterminated_tag_syntax": the kind of tag that was not closed.
    const char* unterminatedType = nullptr;

    bool terminated() const { return unterminatedType == nullptr; }
};

// The value of an attribute within a start tag, as offsets into that tag.
struct AttributeSpan {
    qsizetype valueStart = 0;
    qsizetype valueEnd = 0;
    // The text replaced when the value is set anew: the value and its quotes.
    qsizetype replaceStart = 0;
    qsizetype replaceEnd = 0;
};

enum class NameCase { Exact, IgnoreAsciiCase };

bool isNameStartChar(QChar c);
bool isNameChar(QChar c);
// Whether the whole text is a tag or attribute name.
bool isValidName(QStringView name);
bool isMarkupSpace(QChar c);

// The length of the name that starts at pos (0 when none does).
qsizetype nameLengthAt(QStringView text, qsizetype pos);

// The token starting with the "<" at pos. A start tag never reaches past the
// next "<": one broken off there is an unterminated tag when it carried a
// quoted value, and text otherwise (a "<" inside a stored rich text).
MarkupToken scanTag(QStringView text, qsizetype pos);

// Looks for an attribute in a start tag (from "<" to ">" or "/>") whose name
// is nameLength characters long. The first attribute with a value whose name
// matches is used. A value is quoted, or runs unquoted to white space or the
// end of the tag; quotes inside an unquoted value are ordinary characters.
bool findAttribute(
    QStringView tag, qsizetype nameLength, QStringView name, NameCase nameCase, AttributeSpan& span);

// Where the attributes of a start tag end: before its ">" or "/>".
qsizetype attributesEnd(QStringView tag);

} // namespace tessel
