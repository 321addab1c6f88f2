// An initialization file read the way the platform's private-profile reader
// reads it: "[section]" headers and "key=value" lines, names matched without
// regard to case, values trimmed and cut to 511 characters, and a missing
// file, section or key read as the empty text.
#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

namespace tessel {

class IniFile {
public:
    // The reader's buffer holds 512 characters, the last one the terminator.
    static constexpr qsizetype MaxValueLength = 511;
    // Bytes beyond this are not read: a language file is a few kilobytes, and
    // an endless file must not exhaust memory.
    static constexpr qsizetype MaxFileBytes = 4 * 1024 * 1024;

    // Parses a whole file: UTF-8 with or without a byte-order mark, UTF-16LE
    // with a mark; a line that is not valid UTF-8 is decoded in ansiCodePage.
    static IniFile parse(QByteArrayView bytes, int ansiCodePage);
    // Reads and parses a file; a missing or unreadable file gives an empty one.
    static IniFile read(const QString& path, int ansiCodePage);

    // The value of the first such key in the first such section, or empty.
    QString value(QStringView section, QStringView key) const;
    bool hasSection(QStringView section) const;
    // Every key of the first such section in file order, repeated keys included.
    QStringList keys(QStringView section) const;

private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
        QHash<QString, qsizetype> firstEntry; // case-folded key -> index into entries
    };

    class Parser;
    const Section* findSection(QStringView name) const;

    std::vector<Section> sections_;
    QHash<QString, qsizetype> firstSection_; // case-folded name -> index into sections_
};

} // namespace tessel
