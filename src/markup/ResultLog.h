// The result log of a markup document: itself markup, one empty element per
// event, named by the event, with at most one text and one number attribute
// and an "offset2". Entries are only added while the log is shorter than
// 1 000 characters, so a broken input cannot make it grow without bound.
#pragma once

#include <QString>

namespace tessel {

struct LogEntry {
    const char* event = "";
    const char* textName = nullptr; // "type", "encoding", "msg" or "tagname"
    QString text = {};
    const char* numberName = nullptr; // "n", "count", "length" or "offset"
    long long number = 0;
    long long offset2 = -1; // written when not negative
};

class ResultLog {
public:
    static constexpr int MaxLength = 1000;

    void clear() { text_.clear(); }
    void add(const LogEntry& entry);
    const QString& text() const { return text_; }

private:
    QString text_;
};

} // namespace tessel
