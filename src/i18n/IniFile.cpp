#include "i18n/IniFile.h"

#include "encoding/CodePage.h"

#include "storage/FileReader.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>

namespace tessel {

namespace {

bool isBlank(QChar c)
{
    // CR belongs to the line end of CR LF files.
    return c == u' ' || c == u'\t' || c == u'\r';
}

QStringView trimmed(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// A value as the reader hands it out: without one pair of enclosing double
// quotes, and no longer than its buffer.
QString finishedValue(QStringView value)
{
    if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"')
        value = value.sliced(1, value.size() - 2);
    if (value.size() > IniFile::MaxValueLength) {
        value = value.first(IniFile::MaxValueLength);
        // Cutting between the halves of a surrogate pair would leave half a
        // character behind.
        if (value.back().isHighSurrogate())
            value.chop(1);
    }
    return value.toString();
}

QString decodeUtf16LE(QByteArrayView bytes)
{
    const qsizetype units = bytes.size() / 2;
    QString text(units, Qt::Uninitialized);
    qFromLittleEndian<char16_t>(bytes.data(), units, text.data());
    return text;
}

} // namespace

// Builds the sections line by line; key lines before the first header, and
// the lines of a repeated section, are not reachable by any look-up.
class IniFile::Parser {
public:
    explicit Parser(IniFile& file)
        : file_(file)
    {
    }

    void addLine(QStringView raw)
    {
        const QStringView line = trimmed(raw);
        if (line.isEmpty() || line.front() == u';')
            return;
        if (line.front() == u'[') {
            const qsizetype close = line.lastIndexOf(u']');
            if (close > 0) {
                beginSection(trimmed(line.sliced(1, close - 1)));
                return;
            }
        }
        const qsizetype equals = line.indexOf(u'=');
        if (current_ < 0 || equals < 0)
            return;
        addEntry(trimmed(line.first(equals)), trimmed(line.sliced(equals + 1)));
    }

private:
    void beginSection(QStringView name)
    {
        const QString folded = name.toString().toCaseFolded();
        if (file_.firstSection_.contains(folded)) {
            current_ = -1;
            return;
        }
        current_ = static_cast<qsizetype>(file_.sections_.size());
        file_.firstSection_.insert(folded, current_);
        file_.sections_.push_back(Section { name.toString(), {}, {} });
    }

    void addEntry(QStringView key, QStringView value)
    {
        Section& section = file_.sections_[static_cast<size_t>(current_)];
        const auto index = static_cast<qsizetype>(section.entries.size());
        section.entries.push_back(Entry { key.toString(), finishedValue(value) });
        const QString folded = key.toString().toCaseFolded();
        if (!section.firstEntry.contains(folded))
            section.firstEntry.insert(folded, index);
    }

    IniFile& file_;
    qsizetype current_ = -1;
};

IniFile IniFile::parse(QByteArrayView bytes, int ansiCodePage)
{
    IniFile file;
    Parser parser(file);
    bytes = bytes.first(std::min(bytes.size(), MaxFileBytes));

    const auto addLinesOf = [&parser](QStringView text) {
        for (const QStringView line : text.tokenize(u'\n'))
            parser.addLine(line);
    };
    if (bytes.startsWith("\xFF\xFE")) {
        addLinesOf(decodeUtf16LE(bytes.sliced(2)));
        return file;
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    if (isWellFormedUtf8(bytes)) {
        addLinesOf(QString::fromUtf8(bytes));
        return file;
    }
    // Mixed or legacy text: a line that is valid UTF-8 is read as UTF-8, so
    // that one line in the ANSI code page does not garble the others. The
    // whole file is decoded in that code page at once; LF is never part of a
    // character there, so its lines match the byte lines one to one.
    const QString ansi = decodeCodePage(bytes, ansiCodePage);
    const bool aligned = ansi.count(u'\n') == bytes.count('\n');
    qsizetype textStart = 0;
    for (qsizetype start = 0; start <= bytes.size();) {
        const qsizetype newline = bytes.indexOf('\n', start);
        const qsizetype end = newline < 0 ? bytes.size() : newline;
        const qsizetype textNewline = aligned ? ansi.indexOf(u'\n', textStart) : -1;
        const qsizetype textEnd = textNewline < 0 ? ansi.size() : textNewline;
        const QByteArrayView line = bytes.sliced(start, end - start);
        if (isWellFormedUtf8(line))
            parser.addLine(QString::fromUtf8(line));
        else if (aligned)
            parser.addLine(QStringView(ansi).sliced(textStart, textEnd - textStart));
        else
            parser.addLine(decodeCodePage(line, ansiCodePage));
        start = end + 1;
        textStart = textEnd + 1;
    }
    return file;
}

IniFile IniFile::read(const QString& path, int ansiCodePage)
{
    // A FIFO or a device in place of the file would block or never end.
    if (fileKindOf(path) != FileKind::Regular)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.read(MaxFileBytes), ansiCodePage);
}

const IniFile::Section* IniFile::findSection(QStringView name) const
{
    const auto found = firstSection_.constFind(name.toString().toCaseFolded());
    if (found == firstSection_.cend())
        return nullptr;
    return &sections_[static_cast<size_t>(*found)];
}

QString IniFile::value(QStringView section, QStringView key) const
{
    const Section* found = findSection(section);
    if (!found)
        return {};
    const auto entry = found->firstEntry.constFind(key.toString().toCaseFolded());
    if (entry == found->firstEntry.cend())
        return {};
    return found->entries[static_cast<size_t>(*entry)].value;
}

bool IniFile::hasSection(QStringView section) const
{
    return findSection(section) != nullptr;
}

QStringList IniFile::keys(QStringView section) const
{
    QStringList result;
    if (const Section* found = findSection(section))
        for (const Entry& entry : found->entries)
            result.append(entry.key);
    return result;
}

} // namespace tessel
