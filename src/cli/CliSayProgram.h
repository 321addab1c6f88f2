// The one text program of "tessel-cli say": a new text program as the editor
// makes it, with the text and the choices of the command line.
#pragma once

#include "render/RichText.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace tessel {
class AppData;
class LanguageTable;
struct Program;
} // namespace tessel

namespace tessel::cli {

// What the command line chose; what it did not choose keeps the value of a
// new text program. Display settings are the stored indexes (speed 0-5 is
// shown as 1-6, playCount is plays minus one).
struct SayChoices {
    std::optional<uint8_t> action;
    std::optional<uint8_t> speed;
    std::optional<uint8_t> stay;
    std::optional<uint8_t> exitType;
    std::optional<uint8_t> playCount;
    std::optional<uint8_t> borderType;
    std::optional<QString> face;
    std::optional<int> twips;
    std::optional<uint32_t> textColour;
    std::optional<uint32_t> backColour; // black: no background
    bool bold = false;
    bool italic = false;
    Alignment alignment = Alignment::Left;
    bool arabic = false;
};

// The text of standard input: UTF-8 when it is well-formed UTF-8 (a byte
// order mark dropped), else the system's code page for lanID.
QString decodeSayInput(const QByteArray& bytes, int32_t lanID);

// The text as the program holds it: line ends become paragraph breaks, and
// the line ends at its end are dropped.
QString sayText(QString text);

// Empties the list and adds the one text program of the text (not empty);
// returns it.
Program& makeSayProgram(
    AppData& data, const LanguageTable& texts, const QString& text, const SayChoices& choices);

} // namespace tessel::cli
