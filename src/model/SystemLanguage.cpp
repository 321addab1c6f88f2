// The system language as a Windows language identifier, taken from the POSIX
// locale, because texts, fonts and greetings are chosen by such identifiers.
#include "model/AppData.h"

#include <QLocale>
#include <QStringList>
#include <cstdlib>

namespace tessel {

namespace {

struct LocaleId {
    const char* name; // language, or language_TERRITORY
    int32_t id;
};

// Territory-specific entries come before the bare language.
constexpr LocaleId localeIds[] = {
    { "zh_CN", 2052 },
    { "zh_SG", 4100 },
    { "zh_TW", 1028 },
    { "zh_HK", 3076 },
    { "zh_MO", 5124 },
    { "zh", 2052 },
    { "ar", 1025 },
    { "de", 1031 },
    { "en_GB", 2057 },
    { "en", 1033 },
    { "es_MX", 2058 },
    { "es", 3082 },
    { "ja", 1041 },
    { "ko", 1042 },
    { "fr", 1036 },
    { "it", 1040 },
    { "ru", 1049 },
    { "pt_BR", 1046 },
    { "pt", 2070 },
    { "nl", 1043 },
    { "pl", 1045 },
    { "tr", 1055 },
    { "sv", 1053 },
    { "he", 1037 },
    { "el", 1032 },
};

} // namespace

int32_t languageIdForLocale(const QString& localeName)
{
    // "zh_CN.UTF-8@variant" -> "zh_CN"; "zh-CN" is accepted too.
    QString name = localeName.section(u'.', 0, 0).section(u'@', 0, 0);
    name.replace(u'-', u'_');
    const QString language = name.section(u'_', 0, 0).toLower();
    const QString territory = name.section(u'_', 1, 1).toUpper();
    const QString full = territory.isEmpty() ? language : language + u'_' + territory;
    for (const auto& entry : localeIds)
        if (full == QLatin1String(entry.name))
            return entry.id;
    for (const auto& entry : localeIds)
        if (language == QLatin1String(entry.name))
            return entry.id;
    return 0;
}

int32_t supportedLanguageId(int32_t id)
{
    switch (id) {
    case 1025:
    case 1028:
    case 1031:
    case 1034:
    case 1041:
    case 1042:
    case 2052:
    case 3076:
    case 3082:
        return id;
    default:
        return 1033;
    }
}

int32_t systemLanguageId()
{
    for (const char* variable : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return supportedLanguageId(languageIdForLocale(QString::fromLocal8Bit(value)));
    }
    return supportedLanguageId(languageIdForLocale(QLocale::system().name()));
}

} // namespace tessel
