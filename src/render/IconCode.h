// Icon codes inside a text: "[A001]" stands for the 12-pixel icon file
// image/12/[A001].bmp, "[B…]" for 14 pixels, "[C…]" for 16 pixels.
#pragma once

#include <QStringView>
#include <optional>

namespace tessel {

constexpr int IconCodeLength = 6;

// The icon size (12, 14 or 16) when the text starts with an icon code:
// "[", a letter A-C, three digits, "]". Anything else, including a code cut
// short, is no code.
std::optional<int> ParseIconCode(QStringView text);

} // namespace tessel
