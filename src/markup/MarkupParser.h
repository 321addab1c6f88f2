// Builds the element index of a markup text in one pass, with an explicit
// stack of open elements (no recursion per nesting level), noting structural
// faults in the result log.
#pragma once

#include "markup/ElementIndex.h"
#include "markup/MarkupScanner.h"
#include "markup/ResultLog.h"

#include <QHash>
#include <QStringView>
#include <unordered_map>
#include <vector>

namespace tessel {

enum class ParseResult { WellFormed, HasErrors };

class MarkupParser {
public:
    MarkupParser(QStringView text, ElementIndex& index, ResultLog& log);
    ParseResult parse();

private:
    struct OpenElement {
        int32_t element;
        int32_t nameLength;
        int32_t sameNameBelow; // 1 + stack position of the next open element of this name; 0 = none
        int32_t* innermost; // its name's entry in innermostByName_
    };
    // Qt's seeded string hash, so that crafted names cannot pile into one bucket.
    struct NameHash {
        size_t operator()(QStringView name) const { return qHash(name, QHashSeed::globalSeed()); }
    };

    void addElement(qsizetype pos, const MarkupToken& token);
    void handleEndTag(qsizetype pos, const MarkupToken& token);
    void closeUnended(size_t from, int32_t container, qsizetype detectedAt);
    void pop();
    QStringView nameOf(const OpenElement& open) const;
    void checkTopLevel();

    QStringView text_;
    ElementIndex& index_;
    ResultLog& log_;
    std::vector<OpenElement> open_;
    // 1 + stack position of the innermost open element of each name, so that an
    // end tag finds its element without searching the stack. Its entries stay
    // where they are as it grows: each open element keeps a pointer to its own.
    std::unordered_map<QStringView, int32_t, NameHash> innermostByName_;
    bool errors_ = false;
};

} // namespace tessel
