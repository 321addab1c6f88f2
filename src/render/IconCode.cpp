#include "render/IconCode.h"

namespace tessel {

std::optional<int> ParseIconCode(QStringView text)
{
    if (text.size() < IconCodeLength || text[0] != u'[' || text[5] != u']')
        return std::nullopt;
    for (int i = 2; i < 5; ++i)
        if (text[i] < u'0' || text[i] > u'9')
            return std::nullopt;
    switch (text[1].unicode()) {
    case u'A':
        return 12;
    case u'B':
        return 14;
    case u'C':
        return 16;
    default:
        return std::nullopt;
    }
}

} // namespace tessel
