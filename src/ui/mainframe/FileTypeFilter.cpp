#include "ui/mainframe/FileTypeFilter.h"

#include "i18n/LanguageTable.h"

namespace tessel {

namespace {

struct FileType {
    const char16_t* patterns;
    const char16_t* key;
};

constexpr FileType FileTypes[] = {
    { u"*.led", u"programFiles" },
    { u"*.bmp", u"bitmapFiles" },
    { u"*.gif", u"gifFiles" },
};

} // namespace

QString localFileFilter(const QString& filter, const LanguageTable& texts)
{
    const qsizetype open = filter.indexOf(u'(');
    const qsizetype close = filter.lastIndexOf(u')');
    if (open < 0 || close < open)
        return filter;
    const QString patterns = filter.mid(open + 1, close - open - 1).trimmed();
    for (const FileType& type : FileTypes) {
        if (patterns.compare(QString::fromUtf16(type.patterns), Qt::CaseInsensitive) != 0)
            continue;
        const QString name = texts.textOr(type.key, QString());
        return name.isEmpty() ? filter : name + QStringLiteral(" (") + patterns + u')';
    }
    return filter;
}

} // namespace tessel
