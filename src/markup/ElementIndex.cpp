#include "markup/ElementIndex.h"

namespace tessel {

void ElementIndex::reset(int32_t textLength)
{
    records_.clear();
    records_.reserve(static_cast<std::size_t>(textLength / 64 + 8));
    ElementRecord document;
    document.length = textLength;
    records_.push_back(document);
}

int32_t ElementIndex::add(const ElementRecord& record)
{
    // Grows by half its size, as a parse sized the index for the text.
    if (records_.size() == records_.capacity())
        records_.reserve(records_.capacity() + records_.capacity() / 2 + 1);
    records_.push_back(record);
    return size() - 1;
}

int32_t ElementIndex::lastChild(int32_t parent) const
{
    const int32_t first = (*this)[parent].firstChild;
    return first ? (*this)[first].previousSibling : 0;
}

void ElementIndex::link(int32_t element, int32_t parent, int32_t previous)
{
    ElementRecord& e = (*this)[element];
    ElementRecord& p = (*this)[parent];
    e.parent = parent;
    if (!p.firstChild) {
        p.firstChild = element;
        e.previousSibling = element;
        e.nextSibling = 0;
        return;
    }
    if (!previous)
        previous = lastChild(parent);
    ElementRecord& before = (*this)[previous];
    e.previousSibling = previous;
    e.nextSibling = before.nextSibling;
    before.nextSibling = element;
    if (e.nextSibling)
        (*this)[e.nextSibling].previousSibling = element;
    else
        (*this)[p.firstChild].previousSibling = element;
}

void ElementIndex::shift(int32_t pos, int32_t delta, int32_t container)
{
    // Children lie in document order inside their parent, so what starts at
    // or after pos is, level by level, a run of last children with all they
    // hold; the child before that run is the only one that may contain pos.
    // Only the elements that move are visited, and saving stays linear.
    for (int32_t parent = 0; parent >= 0;) {
        const int32_t first = (*this)[parent].firstChild;
        int32_t child = first ? (*this)[first].previousSibling : 0;
        int32_t inside = -1;
        while (child) {
            if ((*this)[child].start < pos) {
                inside = child;
                break;
            }
            shiftSubtree(child, delta);
            child = child == first ? 0 : (*this)[child].previousSibling;
        }
        parent = inside;
    }
    for (int32_t c = container; c != 0; c = (*this)[c].parent)
        (*this)[c].length += delta;
    records_[0].length += delta;
}

void ElementIndex::shiftSubtree(int32_t root, int32_t delta)
{
    // Walked without recursion: a hostile document may nest deeply.
    int32_t e = root;
    for (;;) {
        ElementRecord& record = (*this)[e];
        record.start += delta;
        if (record.firstChild) {
            e = record.firstChild;
            continue;
        }
        while (e != root && !(*this)[e].nextSibling)
            e = (*this)[e].parent;
        if (e == root)
            return;
        e = (*this)[e].nextSibling;
    }
}

} // namespace tessel
