#include "render/RtfTokenizer.h"

#include <algorithm>
#include <climits>

namespace tessel {

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool endsText(char c)
{
    return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n' || c == '\0';
}

} // namespace

RtfToken RtfTokenizer::next()
{
    while (pos_ < rtf_.size()) {
        const char c = rtf_[pos_];
        switch (c) {
        case '\r':
        case '\n':
        case '\0':
            ++pos_;
            continue;
        case '{':
            ++pos_;
            return { .kind = RtfToken::Kind::GroupOpen };
        case '}':
            ++pos_;
            return { .kind = RtfToken::Kind::GroupClose };
        case '\\':
            return readControl();
        default: {
            const qsizetype start = pos_;
            while (pos_ < rtf_.size() && !endsText(rtf_[pos_]))
                ++pos_;
            return { .kind = RtfToken::Kind::Text, .word = rtf_.sliced(start, pos_ - start) };
        }
        }
    }
    return {};
}

RtfToken RtfTokenizer::readControl()
{
    ++pos_; // the backslash
    if (pos_ >= rtf_.size())
        return {};
    const char c = rtf_[pos_];
    if (isLetter(c))
        return readControlWord();
    if (c == '\'')
        return readHexByte();
    ++pos_;
    return { .kind = RtfToken::Kind::ControlSymbol, .symbol = c };
}

RtfToken RtfTokenizer::readControlWord()
{
    const qsizetype start = pos_;
    while (pos_ < rtf_.size() && isLetter(rtf_[pos_]))
        ++pos_;
    RtfToken token { .kind = RtfToken::Kind::ControlWord, .word = rtf_.sliced(start, pos_ - start) };
    token.parameter = readParameter(&token.hasParameter);
    // One space only delimits the word.
    if (pos_ < rtf_.size() && rtf_[pos_] == ' ')
        ++pos_;
    if (token.word == "bin") {
        const qsizetype length = token.parameter > 0 ? token.parameter : 0;
        pos_ += std::min(length, rtf_.size() - pos_);
        token.kind = RtfToken::Kind::Binary;
    }
    return token;
}

int RtfTokenizer::readParameter(bool* hasParameter)
{
    qsizetype p = pos_;
    const bool negative = p < rtf_.size() && rtf_[p] == '-';
    if (negative)
        ++p;
    if (p >= rtf_.size() || !isDigit(rtf_[p])) {
        *hasParameter = false;
        return 0;
    }
    long long value = 0;
    while (p < rtf_.size() && isDigit(rtf_[p])) {
        value = std::min(value * 10 + (rtf_[p] - '0'), static_cast<long long>(INT_MAX) + 1);
        ++p;
    }
    pos_ = p;
    *hasParameter = true;
    if (negative)
        return static_cast<int>(-value);
    return static_cast<int>(std::min(value, static_cast<long long>(INT_MAX)));
}

RtfToken RtfTokenizer::readHexByte()
{
    ++pos_; // the quote
    if (pos_ + 2 > rtf_.size()) {
        pos_ = rtf_.size();
        return {};
    }
    const int high = hexValue(rtf_[pos_]);
    const int low = hexValue(rtf_[pos_ + 1]);
    // Without two hex digits the escape stands for nothing and the characters
    // after it are read as they stand.
    if (high < 0 || low < 0)
        return { .kind = RtfToken::Kind::ControlSymbol, .symbol = '\'' };
    pos_ += 2;
    return { .kind = RtfToken::Kind::HexByte, .byte = static_cast<uint8_t>(high * 16 + low) };
}

} // namespace tessel
