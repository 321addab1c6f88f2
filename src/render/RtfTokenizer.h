// Splits RTF bytes into groups, control words, control symbols, \'hh bytes
// and runs of plain text. Raw CR, LF and NUL bytes are dropped (they are not
// text in RTF); \binN data is skipped here so that it is never read as RTF.
#pragma once

#include <QByteArrayView>
#include <cstdint>

namespace tessel {

struct RtfToken {
    enum class Kind : uint8_t {
        End,
        GroupOpen,
        GroupClose,
        ControlWord,
        ControlSymbol,
        HexByte,
        Text,
        Binary
    };

    Kind kind = Kind::End;
    QByteArrayView word {}; // ControlWord: the letters; Text: the run of bytes
    bool hasParameter = false;
    int parameter = 0; // saturated to the int range
    char symbol = 0; // ControlSymbol: the character after the backslash
    uint8_t byte = 0; // HexByte
};

class RtfTokenizer {
public:
    explicit RtfTokenizer(QByteArrayView rtf)
        : rtf_(rtf)
    {
    }

    RtfToken next();

private:
    RtfToken readControl();
    RtfToken readControlWord();
    RtfToken readHexByte();
    int readParameter(bool* hasParameter);

    QByteArrayView rtf_;
    qsizetype pos_ = 0;
};

} // namespace tessel
