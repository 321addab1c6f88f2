// Qt's own texts (standard buttons, file and colour dialogs, the editors'
// context menus) in the language in force: Qt's translation catalogue for
// the locale of the language identifier, installed into the application.
#pragma once

#include <QLocale>
#include <QTranslator>
#include <cstdint>
#include <memory>

namespace tessel {

class QtTranslations {
public:
    QtTranslations();
    ~QtTranslations();

    // Replaces the installed catalogue with the one of lanID; a language
    // without a catalogue (or English) leaves Qt's built-in English texts.
    void use(int32_t lanID);

    // The locale whose catalogue a language identifier asks for.
    static QLocale localeFor(int32_t lanID);

private:
    std::unique_ptr<QTranslator> translator_;
    bool installed_ = false;
};

} // namespace tessel
