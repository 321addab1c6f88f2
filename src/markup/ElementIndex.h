// The element index of a markup document: one record per element, linked into
// the element tree, with offsets into the document text. Record 0 stands for
// the document as a whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessel {

struct ElementRecord {
    enum Flag : uint32_t {
        EmptyElement = 0x1, // start tag closed with "/>", no end tag
        IllFormed = 0x2, // start tag without its end tag
        DocumentHasErrors = 0x4, // on record 0 only
    };

    int32_t start = 0;
    int32_t length = 0;
    int32_t startTagLength = 0;
    int32_t endTagLength = 0;
    uint32_t flags = 0;
    int32_t parent = 0;
    int32_t firstChild = 0;
    int32_t nextSibling = 0;
    // The first child's previous-sibling link points to the last child.
    int32_t previousSibling = 0;

    int32_t end() const { return start + length; }
    int32_t contentStart() const { return start + startTagLength; }
    int32_t contentEnd() const { return start + length - endTagLength; }
};

class ElementIndex {
public:
    // Empties the index and reserves room for a text of this length.
    void reset(int32_t textLength);

    int32_t size() const { return static_cast<int32_t>(records_.size()); }
    ElementRecord& operator[](int32_t i) { return records_[static_cast<std::size_t>(i)]; }
    const ElementRecord& operator[](int32_t i) const { return records_[static_cast<std::size_t>(i)]; }

    // Adds an unlinked record and returns its number.
    int32_t add(const ElementRecord& record);

    int32_t lastChild(int32_t parent) const;
    // Links an added record into parent's children after `previous`, or as the
    // last child when previous is 0.
    void link(int32_t element, int32_t parent, int32_t previous);

    // Accounts for text growing by `delta` characters at `pos` inside the
    // element `container` (0 = document level): every element that starts at or
    // after pos moves, and the container and its ancestors change length.
    void shift(int32_t pos, int32_t delta, int32_t container);

private:
    // Moves the element and everything inside it.
    void shiftSubtree(int32_t root, int32_t delta);

    std::vector<ElementRecord> records_;
};

} // namespace tessel
