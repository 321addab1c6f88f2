// Language files from disk: parse arbitrary bytes and look up every text of
// the table in every language's section.
#include "i18n/IniFile.h"
#include "i18n/LanguageTable.h"

#include <cstddef>
#include <cstdint>
#include <iterator>

namespace {

// The ANSI code pages a language file can fall back to.
constexpr int codePages[] = { 1252, 936, 950, 932, 949, 1256 };
constexpr int32_t languageIds[] = { 1025, 1028, 1031, 1033, 1034, 1041, 1042, 2052 };

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const int codePage = codePages[data[0] % std::size(codePages)];
    const tessel::IniFile file = tessel::IniFile::parse(
        QByteArrayView(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1)), codePage);
    for (const int32_t lanID : languageIds) {
        const QString section = tessel::languageSection(lanID);
        if (!file.hasSection(section))
            continue;
        for (const QString& key : tessel::LanguageTable::keys())
            if (file.value(section, key).size() > tessel::IniFile::MaxValueLength)
                __builtin_trap();
        (void)file.keys(section);
    }
    return 0;
}
