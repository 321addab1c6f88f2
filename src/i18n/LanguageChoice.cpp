// The language menu: each command's fixed label and the language it selects.
#include "i18n/LanguageTable.h"

#include "model/AppData.h"

#include <iterator>

namespace tessel {

namespace {

struct MenuItem {
    const char16_t* label;
    int32_t lanID; // 0 for "Auto", which asks the system
};

// By position: command 770 + position, lan = position.
constexpr MenuItem menuItems[] = {
    { u"Auto", 0 },
    { u"简体中文", 2052 },
    { u"繁體中文", 1028 },
    { u"English", 1033 },
    { u"Arabic(عربي)", 1025 },
    { u"German(Deutsch)", 1031 },
    { u"Japanese(日本語)", 1041 },
    { u"Korean(한국어)", 1042 },
    { u"Spanish(Español)", 1034 },
};
static_assert(std::size(menuItems) == LastLanguageCommand - FirstLanguageCommand + 1);

const MenuItem* findMenuItem(int command)
{
    if (command < FirstLanguageCommand || command > LastLanguageCommand)
        return nullptr;
    return &menuItems[command - FirstLanguageCommand];
}

} // namespace

std::optional<LanguageChoice> languageForCommand(int command)
{
    const MenuItem* item = findMenuItem(command);
    if (!item)
        return std::nullopt;
    const auto lan = static_cast<uint8_t>(command - FirstLanguageCommand);
    return LanguageChoice { lan, item->lanID != 0 ? item->lanID : systemLanguageId() };
}

QString languageMenuLabel(int command)
{
    const MenuItem* item = findMenuItem(command);
    return item ? QString::fromUtf16(item->label) : QString();
}

} // namespace tessel
