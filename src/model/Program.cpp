#include "model/Program.h"

namespace tessel {

ProgramItem newProgramItem(uint8_t type)
{
    switch (static_cast<ItemKind>(type)) {
    case ItemKind::Text:
        return TextItem {};
    case ItemKind::Image:
        return ImageItem {};
    case ItemKind::Animation: {
        ImageItem animation;
        animation.action = 1;
        animation.speed = 0;
        return animation;
    }
    case ItemKind::Time:
        return TimeItem {};
    case ItemKind::Count:
        return CountItem {};
    }
    return std::monostate {};
}

} // namespace tessel
