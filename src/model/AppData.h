// The application-wide state: the program list with its counters and the
// modified flag, and every setting with its start value. One object for the
// whole run, handed by reference to whoever needs it.
#pragma once

#include "model/AppPaths.h"
#include "model/Program.h"
#include "model/Settings.h"

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace tessel {

constexpr int MaxPrograms = 12;
// The preview's zoom when the user chose none: the largest that shows the
// whole screen in the pane.
constexpr uint8_t FittedPreviewZoom = 0;
constexpr qsizetype SummaryLength = 24; // characters of a text program's plain text in its summary

class AppData {
public:
    AppData();

    // --- program list ---
    std::vector<std::unique_ptr<Program>> programs;
    std::array<uint16_t, ItemKindCount> kindCount {};
    uint16_t programCount = 0;
    int32_t modified = 0;

    // --- settings ---
    uint8_t bright = 0; // 0 = 100 %, 1 = 66 %, 2 = 33 %
    uint8_t bat = 1; // charge icon: 0 = "O", 1 = "I"
    uint8_t paraByte = 64; // a byte of the screen-parameter exchange, never stored
    uint8_t lan = 0; // position in the language menu
    int32_t lanID = 1033; // Windows language identifier
    AppPaths paths; // where the data, the settings and "pre.bmp" are
    bool settingsWriteFailing = false; // the last write of "app.xml" failed, and the user was told
    QString currentPath;
    QString startupFile;
    QString fileName = QStringLiteral("default.led");
    QString dirPath;
    ScreenPara screenPara;
    uint8_t beforeClose = 0;
    uint8_t afterExcute = 0; // non-zero: device outcomes in a message box
    uint8_t trimSpace = 0; // 0 one screen width, 1 none, 2 half a screen width
    uint8_t update = 0;
    uint8_t hostID = 0;
    uint8_t commType = 0;
    uint8_t commIndex = 0;
    std::vector<RecentFile> recentFiles; // oldest first
    std::vector<ScreenPara> screenParas;
    uint8_t previewZoom = FittedPreviewZoom; // screen pixels per LED in the preview, 1-16

    // A new record with the defaults of its kind, counted but not in the list.
    // `kindWord` is the language table's word for the kind ("text", "image", ...).
    std::unique_ptr<Program> newProgram(ItemKind kind, const QString& kindWord);
    // Marks the list modified and appends a new program unless the list is full;
    // returns the new program or nullptr.
    Program* addProgram(ItemKind kind, const QString& kindWord);
    // Appends a program read from a file and counts it; no limit applies, and
    // the counters stop at their maximum rather than wrap.
    Program* adoptProgram(std::unique_ptr<Program> program);
    void removeProgram(const Program* program);
    // Puts a program back at a list position (clamped to the list), counted
    // again and marking the list modified; undo uses this and takeProgram.
    Program* insertProgram(size_t index, std::unique_ptr<Program> program);
    // Removes the program at a list position and hands it over, uncounted.
    std::unique_ptr<Program> takeProgram(size_t index);
    bool moveProgramUp(const Program* program);
    bool moveProgramDown(const Program* program);
    void clearPrograms();
    Program* findProgram(const void* treeItem) const;
    int indexOf(const Program* program) const;
    void setSummaryFromText(Program* program, const QString& plainText);

    // The greeting of a new text program for the current lanID.
    QString greeting() const;

    // Every setting back to its start value; the software options stay.
    void resetSettings();

private:
    void uncount(const Program& program);
};

// The language identifier of a POSIX locale name such as "zh_CN.UTF-8"
// (0 when unknown).
int32_t languageIdForLocale(const QString& localeName);
// The system rule: the locale's identifier when it is one of the nine the
// program has texts for, otherwise 1033.
int32_t systemLanguageId();
int32_t supportedLanguageId(int32_t id);

} // namespace tessel
