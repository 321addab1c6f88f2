#include "model/AppData.h"

#include <algorithm>

namespace tessel {

AppData::AppData()
{
    resetSettings();
}

std::unique_ptr<Program> AppData::newProgram(ItemKind kind, const QString& kindWord)
{
    auto program = std::make_unique<Program>();
    const auto k = static_cast<uint8_t>(kind);
    program->type = k;
    program->item = newProgramItem(k);
    if (kind == ItemKind::Text)
        program->summary = greeting();
    const uint16_t number = ++kindCount[k];
    program->name = kindWord + QString::number(number);
    ++programCount;
    return program;
}

Program* AppData::addProgram(ItemKind kind, const QString& kindWord)
{
    modified = 1;
    // The list length counts too: the 16-bit counter stops at its maximum for
    // an enormous file and no longer tells the length.
    if (programCount >= MaxPrograms || programs.size() >= MaxPrograms)
        return nullptr;
    programs.push_back(newProgram(kind, kindWord));
    return programs.back().get();
}

// Counters stop at their maximum instead of wrapping, so that a file with
// more than 65535 programs cannot make the list look short.
static void countUp(uint16_t& counter)
{
    if (counter < UINT16_MAX)
        ++counter;
}

Program* AppData::adoptProgram(std::unique_ptr<Program> program)
{
    if (program->type < ItemKindCount)
        countUp(kindCount[program->type]);
    countUp(programCount);
    programs.push_back(std::move(program));
    return programs.back().get();
}

void AppData::uncount(const Program& program)
{
    if (program.type < ItemKindCount && kindCount[program.type] > 0)
        --kindCount[program.type];
    if (programCount > 0)
        --programCount;
}

int AppData::indexOf(const Program* program) const
{
    for (size_t i = 0; i < programs.size(); ++i)
        if (programs[i].get() == program)
            return static_cast<int>(i);
    return -1;
}

void AppData::removeProgram(const Program* program)
{
    const int i = indexOf(program);
    if (i < 0)
        return;
    modified = 1;
    uncount(*programs[i]);
    programs.erase(programs.begin() + i);
}

Program* AppData::insertProgram(size_t index, std::unique_ptr<Program> program)
{
    if (program->type < ItemKindCount)
        countUp(kindCount[program->type]);
    countUp(programCount);
    modified = 1;
    const auto at = programs.begin() + static_cast<std::ptrdiff_t>(std::min(index, programs.size()));
    return programs.insert(at, std::move(program))->get();
}

std::unique_ptr<Program> AppData::takeProgram(size_t index)
{
    if (index >= programs.size())
        return nullptr;
    modified = 1;
    std::unique_ptr<Program> program = std::move(programs[index]);
    programs.erase(programs.begin() + static_cast<std::ptrdiff_t>(index));
    uncount(*program);
    return program;
}

bool AppData::moveProgramUp(const Program* program)
{
    const int i = indexOf(program);
    if (i <= 0)
        return false;
    std::swap(programs[i], programs[i - 1]);
    modified = 1;
    return true;
}

bool AppData::moveProgramDown(const Program* program)
{
    const int i = indexOf(program);
    if (i < 0 || i + 1 >= static_cast<int>(programs.size()))
        return false;
    std::swap(programs[i], programs[i + 1]);
    modified = 1;
    return true;
}

void AppData::clearPrograms()
{
    for (const auto& program : programs)
        uncount(*program);
    programs.clear();
}

Program* AppData::findProgram(const void* treeItem) const
{
    if (!treeItem)
        return nullptr;
    for (const auto& program : programs)
        if (program->treeItem == treeItem)
            return program.get();
    return nullptr;
}

void AppData::setSummaryFromText(Program* program, const QString& plainText)
{
    // A character outside the basic plane is two code units: cutting between
    // them would leave half a character that no file can store.
    qsizetype length = std::min<qsizetype>(plainText.size(), SummaryLength);
    if (length == SummaryLength && plainText.at(length - 1).isHighSurrogate())
        --length;
    program->summary = plainText.left(length);
    modified = 1;
}

QString AppData::greeting() const
{
    switch (lanID) {
    case 2052:
        return QStringLiteral(u"欢迎使用");
    case 1028:
    case 3076:
        return QStringLiteral(u"歡迎使用");
    default:
        return QStringLiteral("Welcome");
    }
}

void AppData::resetSettings()
{
    bright = 0;
    bat = 1;
    paraByte = 64;
    lan = 0;
    lanID = systemLanguageId();
    currentPath.clear();
    fileName = QStringLiteral("default.led");
    dirPath = paths.firstSaveDir;
    screenPara = ScreenPara {};
    previewZoom = FittedPreviewZoom;
    hostID = 0;
    commType = 0;
    commIndex = 0;
    modified = 0;
    kindCount = {};
    programCount = 0;
    recentFiles.clear();
    screenParas.clear();
}

} // namespace tessel
