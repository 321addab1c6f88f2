// The application-wide table of user-visible texts, filled from the language
// file that the language identifier chooses, and the language menu that sets
// that identifier. A text of the fixed table that the file does not hold is
// empty: there are no built-in defaults. The further texts (messages, captions
// and names outside the fixed table) fall back to the caller's wording.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>

namespace tessel {

class LanguageTable {
public:
    static constexpr int EntryCount = 207;

    // Every key in the table's fixed order: single keys, then the indexed
    // families ("borderAspectMatrix0".., "msg0".., "tip0"..).
    static const std::array<QString, EntryCount>& keys();

    // Fills every entry from the file and section chosen by lanID (dataDir ends
    // in "/"); a missing file, section or key gives the empty text.
    void load(const QString& dataDir, int32_t lanID);

    // By key name as written in the table, or one of the further keys;
    // empty for any other key and for a key the file does not hold.
    QString text(QStringView key) const;
    QString msg(int index) const; // "msg%d"
    QString tip(int index) const; // "tip%d"
    QString matrix(QStringView family, int index) const; // e.g. matrix(u"effectActionMatrix", 3)

    // The further keys every shipped language file holds beside the fixed table.
    static const QStringList& furtherKeys();
    // A further text by key (matched without case): the file's value, or the
    // fallback when the file holds no such key or leaves it empty.
    QString textOr(QStringView key, const QString& fallback) const;

private:
    std::array<QString, EntryCount> entries_ {};
    QHash<QString, QString> further_; // case-folded key -> value, every key of the section

};

struct LanguageChoice {
    uint8_t lan;
    int32_t lanID;
};

// The language menu: commands 770-778 -> lan and lanID; "Auto" (770)
// evaluates the system rule anew. Other commands give nothing.
std::optional<LanguageChoice> languageForCommand(int command);
// The fixed labels "Auto", "简体中文", ...; empty for other commands.
QString languageMenuLabel(int command);
// "english.ini", ...; empty for ids without a language file.
QString languageFileName(int32_t lanID);
// "English", ...; empty for ids without a language file.
QString languageSection(int32_t lanID);

// A value inserted into a sentence of the language table, set apart with
// Unicode isolates: in a right-to-left sentence numbers keep their order and
// a path keeps its slashes where they belong.
inline QString isolated(const QString& value)
{
    return QChar(0x2068) + value + QChar(0x2069);
}

constexpr int FirstLanguageCommand = 770;
constexpr int LastLanguageCommand = 778;

} // namespace tessel
