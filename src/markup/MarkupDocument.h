// An XML document held as one UTF-16 text with an index of its elements, walked
// and extended through a cursor (parent, current, child). It never rejects a
// document: what it cannot understand goes to the result log, and it goes on.
#pragma once

#include "markup/ElementIndex.h"
#include "markup/ResultLog.h"
#include "storage/FileWriter.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <cstdint>

namespace tessel {

class MarkupDocument {
public:
    MarkupDocument();

    // Replaces the whole text, empties the log and indexes the elements. True
    // when well-formed: one top-level element, no structural error.
    bool setText(const QString& text);
    const QString& text() const;

    // Reads and decodes a file (byte-order marks, declared encoding, UTF-8
    // detection, ANSI fallback), then indexes it as setText does.
    bool loadFile(const QString& path);
    // The decoding and indexing half of loadFile, for bytes already in memory.
    // False (text empty) only when the bytes cannot be taken in at all.
    bool setBytes(QByteArrayView bytes);
    // Encodes the text and writes it through the one file writer (FileWriter.h):
    // on failure the old file stays as it was and the log holds the reason.
    bool saveFile(const QString& path, DashPath dash = DashPath::File);

    // Moves the cursor to the document level with nothing selected.
    void resetPosition();
    bool findElement(const QString& name = QString()); // empty name: any element
    bool enterElement();
    bool leaveElement();
    bool findChildElement(const QString& name = QString());

    // The tag name of the current element (empty when none is current).
    QString elementName() const;
    QString attribute(const QString& name) const;
    QString childElementText() const;

    // The edits return false, leaving the text as it was, when their element is
    // missing (no current element) or the name is not a valid tag name.
    bool setAttribute(const QString& name, const QString& value);
    bool setAttribute(const QString& name, long long value); // written as decimal ("%d")
    bool appendElement(const QString& name, const QString& text = QString());
    bool appendChildElement(const QString& name, const QString& text = QString());

    const QString& resultLog() const;

    // The system ANSI code page: used for files that are neither declared nor
    // valid UTF-8, and for unrecognised encoding names. Default 1252.
    void setAnsiCodePage(int codePage);

    // Whether the last parse found a structural error (unended or lone tags,
    // syntax faults, no root or more than one).
    bool hasErrors() const;

private:
    bool parseText(const QString& text);
    bool takeBytes(QByteArrayView bytes);
    void logFileError(const FileError& error);
    // Inserts a new element into parent after `previous` (0: as the last
    // child) and returns its record, or 0 when it cannot be inserted.
    int32_t insertElement(int32_t parent, int32_t previous, const QString& name, const QString& content);
    QStringView tagName(int32_t element) const;

    QString text_;
    ElementIndex index_;
    ResultLog log_;
    int32_t parent_ = 0;
    int32_t current_ = 0;
    int32_t child_ = 0;
    int ansiCodePage_ = 1252;
};

} // namespace tessel
