// The program record: one message of the badge with its common display
// settings and the data of its kind. Field names are the program file's keys.
#pragma once

#include <QString>
#include <cstdint>
#include <variant>

namespace tessel {

enum class ItemKind : uint8_t { Text = 0, Image = 1, Animation = 2, Time = 3, Count = 4 };
constexpr int ItemKindCount = 5;

// Entry effects 2 and 3 scroll continuously: no paging, no alignment pad.
constexpr bool isScrollingAction(uint8_t action) { return action == 2 || action == 3; }

struct TextItem {
    uint8_t action = 0;
    uint8_t speed = 1;
    uint8_t stay = 0;
    uint8_t exitType = 0;
    uint8_t arabic = 0;
    uint8_t yOffset = 5; // offset + 5: 5 means no vertical offset
    uint8_t horAlign = 0; // 0 left, 1 centre, 2 right
    uint8_t verAlign = 1; // 0 top, 1 middle, 2 bottom
    uint8_t charSpacing = 1; // s adds s - 1 columns after each character
    QString save; // the formatted text as RTF
};

// Data of an Image or an Animation program.
struct ImageItem {
    uint8_t action = 0;
    uint8_t speed = 1;
    uint8_t stay = 0;
    uint8_t exitType = 0;
    int32_t delBgColor = 0xFFFFFF; // 0x00BBGGRR; pixels of exactly this colour stay dark
    QString fileName;
};

struct TimeItem {
    uint8_t field0 = 0;
    uint8_t field1 = 0;
    uint8_t field2 = 0;
};

struct CountItem {
    uint8_t field0 = 0;
    uint32_t value = 0;
};

// No alternative (monostate) for a type outside 0-4 read from a file.
using ProgramItem = std::variant<std::monostate, TextItem, ImageItem, TimeItem, CountItem>;

struct Program {
    int32_t check = 1; // non-zero: ticked, sent to the badge
    uint8_t type = 0; // an ItemKind value, or anything from a file
    uint8_t borderType = 0;
    uint8_t borderAspect = 0;
    uint8_t borderSpeed = 0;
    uint8_t borderColor = 0;
    uint8_t playCount = 0; // plays minus one
    QString name;
    QString summary;
    const void* treeItem = nullptr; // the program's node in the tree; run time only
    ProgramItem item;

    TextItem* text() { return std::get_if<TextItem>(&item); }
    const TextItem* text() const { return std::get_if<TextItem>(&item); }
    // The image data of an Image or Animation program.
    ImageItem* image() { return std::get_if<ImageItem>(&item); }
    const ImageItem* image() const { return std::get_if<ImageItem>(&item); }
};

// The kind-specific data of a new program of the given type (none outside 0-4).
ProgramItem newProgramItem(uint8_t type);

} // namespace tessel
