#include "i18n/LanguageTable.h"

#include "encoding/CodePage.h"
#include "i18n/IniFile.h"

#include <QHash>
#include <QStringList>

namespace tessel {

namespace {

// One group of the table: a single key (count 0) or a family name%d × count.
struct KeyGroup {
    const char16_t* name;
    int count;
};

// The fixed order of the table, grouped as the texts are used.
// clang-format off
constexpr KeyGroup keyGroups[] = {
    // main menu titles
    { u"file", 0 }, { u"edit", 0 }, { u"tool", 0 }, { u"option", 0 }, { u"help", 0 },
    // file menu
    { u"new", 0 }, { u"open", 0 }, { u"save", 0 }, { u"saveAs", 0 }, { u"close", 0 }, { u"recentFile", 0 },
    { u"exit", 0 },
    // edit menu and program tree
    { u"del", 0 }, { u"addText", 0 }, { u"addImage", 0 }, { u"addAnimation", 0 }, { u"addTime", 0 },
    { u"addCount", 0 },
    // tool commands
    { u"searchScreen", 0 }, { u"checktime", 0 }, { u"clearScreen", 0 }, { u"setBat", 0 }, { u"setBright", 0 },
    { u"send", 0 }, { u"setScreenPara", 0 }, { u"updateFirmware", 0 }, { u"checkScreen", 0 },
    // options and help menus
    { u"softOption", 0 }, { u"comm", 0 }, { u"imageEditor", 0 }, { u"viewHelp", 0 }, { u"updateOnline", 0 },
    { u"about", 0 }, { u"clearRecord", 0 },
    // tool bar button texts
    { u"search", 0 }, { u"text", 0 }, { u"image", 0 }, { u"animation", 0 }, { u"time", 0 }, { u"count", 0 },
    { u"clear", 0 }, { u"sync", 0 }, { u"bat", 0 }, { u"bright", 0 },
    // program tree
    { u"programLists", 0 }, { u"moveUp", 0 }, { u"moveDown", 0 },
    // property pane
    { u"options", 0 }, { u"name", 0 }, { u"borderType", 0 }, { u"borderAspect", 0 }, { u"borderSpeed", 0 },
    { u"borderColor", 0 }, { u"playCount", 0 }, { u"borderAspectMatrix", 5 }, { u"effectOption", 0 },
    { u"effectAction", 0 }, { u"effectSpeed", 0 }, { u"effectStay", 0 }, { u"effectExit", 0 },
    { u"effectActionMatrix", 31 }, { u"effectExitMatrix", 2 }, { u"delBgColor", 0 }, { u"filePath", 0 },
    { u"scanFile", 0 }, { u"bold", 0 }, { u"italic", 0 }, { u"underline", 0 }, { u"alignLeft", 0 },
    { u"alignCenter", 0 }, { u"alignRight", 0 }, { u"alignTop", 0 }, { u"alignMiddle", 0 },
    { u"alignBottom", 0 }, { u"insertImage", 0 }, { u"charSpace", 0 }, { u"yOffset", 0 },
    // software options dialog
    { u"softwareOptionTitle", 0 }, { u"beforeClose", 0 }, { u"beforeCloseMatrix", 2 }, { u"afterExcute", 0 },
    { u"afterExcuteMatrix", 2 }, { u"trimSpace", 0 }, { u"trimSpaceMatrix", 3 }, { u"softwareUpdate", 0 },
    { u"softwareUpdateMatrix", 3 },
    // common buttons
    { u"ok", 0 }, { u"cancel", 0 },
    // password dialog
    { u"passTitle", 0 }, { u"pass", 0 }, { u"passTip", 0 },
    // communication dialog
    { u"commTitle", 0 }, { u"hostID", 0 }, { u"commMode", 0 }, { u"usbPort", 0 }, { u"serialPort", 0 },
    // screen-parameter dialog
    { u"screenParaTitle", 0 }, { u"add", 0 }, { u"edit_", 0 }, { u"apply", 0 }, { u"getPara", 0 },
    { u"setPara", 0 }, { u"height", 0 }, { u"width", 0 }, { u"rgb", 0 }, { u"oe", 0 }, { u"data", 0 },
    // preview
    { u"previewTitle", 0 },
    // messages
    { u"msg", 18 }, { u"tip", 38 },
    // small dialogs
    { u"charSpace_", 0 }, { u"yOffset_", 0 },
};
// clang-format on

constexpr int countKeys()
{
    int total = 0;
    for (const KeyGroup& group : keyGroups)
        total += group.count == 0 ? 1 : group.count;
    return total;
}
static_assert(countKeys() == LanguageTable::EntryCount, "the table holds 207 texts");

std::array<QString, LanguageTable::EntryCount> buildKeys()
{
    std::array<QString, LanguageTable::EntryCount> keys;
    size_t next = 0;
    for (const KeyGroup& group : keyGroups) {
        const QString name = QString::fromUtf16(group.name);
        if (group.count == 0)
            keys[next++] = name;
        for (int index = 0; index < group.count; ++index)
            keys[next++] = name + QString::number(index);
    }
    return keys;
}

const QHash<QString, int>& keyIndex()
{
    static const QHash<QString, int> index = [] {
        QHash<QString, int> result;
        const auto& keys = LanguageTable::keys();
        for (int i = 0; i < LanguageTable::EntryCount; ++i)
            result.insert(keys[static_cast<size_t>(i)], i);
        return result;
    }();
    return index;
}

struct LanguageFile {
    int32_t lanID;
    const char16_t* section;
    const char16_t* fileName;
};

constexpr LanguageFile languageFiles[] = {
    { 1025, u"Arabic", u"arabic.ini" },
    { 1028, u"TraditionalChinese", u"traditionallChinese.ini" },
    { 3076, u"TraditionalChinese", u"traditionallChinese.ini" },
    { 1031, u"German", u"german.ini" },
    { 1033, u"English", u"english.ini" },
    { 1034, u"Spanish", u"spanish.ini" },
    { 3082, u"Spanish", u"spanish.ini" },
    { 1041, u"Japanese", u"japanese.ini" },
    { 1042, u"Korean", u"korean.ini" },
    { 2052, u"SimplifiedChinese", u"simplifiedChinese.ini" },
};

const LanguageFile* findLanguageFile(int32_t lanID)
{
    for (const LanguageFile& file : languageFiles)
        if (file.lanID == lanID)
            return &file;
    return nullptr;
}

} // namespace

const std::array<QString, LanguageTable::EntryCount>& LanguageTable::keys()
{
    static const std::array<QString, EntryCount> keys = buildKeys();
    return keys;
}

const QStringList& LanguageTable::furtherKeys()
{
    // clang-format off
    static const QStringList keys = {
        // file messages and their captions
        QStringLiteral("saveChanges"), QStringLiteral("openFailed"), QStringLiteral("openFailedTitle"),
        QStringLiteral("writeFailed"), QStringLiteral("startFileFailed"),
        // names of the file types in the file dialogs
        QStringLiteral("programFiles"), QStringLiteral("bitmapFiles"), QStringLiteral("gifFiles"),
        // the colour lists, in list order
        QStringLiteral("colourBlack"), QStringLiteral("colourRed"), QStringLiteral("colourGreen"),
        QStringLiteral("colourYellow"), QStringLiteral("colourBlue"), QStringLiteral("colourMagenta"),
        QStringLiteral("colourCyan"), QStringLiteral("colourWhite"),
        // text pane
        QStringLiteral("arabicMode"),
        // help and options menus
        QStringLiteral("aboutTitle"), QStringLiteral("aboutVersion"), QStringLiteral("aboutLicence"),
        QStringLiteral("noImageEditor"),
        // a settings folder that cannot be written, a settings file that
        // cannot be read, a program file that is damaged
        QStringLiteral("settingsNotKept"), QStringLiteral("settingsUnreadable"),
        QStringLiteral("programFileDamaged"),
        // view menu and the picture import dialog
        QStringLiteral("view"), QStringLiteral("zoomIn"), QStringLiteral("zoomOut"), QStringLiteral("actualSize"),
        QStringLiteral("pictureImportTitle"), QStringLiteral("threshold"), QStringLiteral("dither"),
        QStringLiteral("invert"), QStringLiteral("pictureUnreadable"), QStringLiteral("pictureWriteFailed"),
        // status panes: whether a badge is attached, what a send transfers
        QStringLiteral("badgeConnected"), QStringLiteral("noBadge"), QStringLiteral("sendCost"),
        // the Edit menu's undo, and device commands while the serial interface is chosen
        QStringLiteral("undo"), QStringLiteral("redo"), QStringLiteral("serialChosen"),
        // the View menu's fitted zoom and playback
        QStringLiteral("zoomFit"), QStringLiteral("play"), QStringLiteral("playAll"), QStringLiteral("stop"),
        // the messages of the command-line tool
        QStringLiteral("cliTryHelp"), QStringLiteral("cliUnknownCommand"), QStringLiteral("cliUnknownOption"),
        QStringLiteral("cliMissingValue"), QStringLiteral("cliUnexpectedValue"), QStringLiteral("cliRepeatedOption"),
        QStringLiteral("cliUnexpectedArgument"), QStringLiteral("cliMissingArgument"), QStringLiteral("cliBadValue"),
        QStringLiteral("cliConflict"), QStringLiteral("cliNeedsSimulator"), QStringLiteral("cliWriteError"),
        QStringLiteral("cliInputTooLarge"), QStringLiteral("cliNoSuchProgram"), QStringLiteral("cliNoPreview"),
        QStringLiteral("cliPictureMissing"), QStringLiteral("cliNoColumns"), QStringLiteral("cliTooManyPrograms"),
        QStringLiteral("cliImageTooLarge"), QStringLiteral("cliEmptyText"), QStringLiteral("cliTextCut"),
        QStringLiteral("cliPictureUnreadable"), QStringLiteral("cliPictureTooLarge"),
        QStringLiteral("cliPictureTooWide"), QStringLiteral("cliSerialChosen"), QStringLiteral("cliNoPermission"),
        QStringLiteral("cliNotABadge"), QStringLiteral("cliNoReply"), QStringLiteral("cliNoHidLibrary"),
        QStringLiteral("cliNoHidraw"), QStringLiteral("cliNoBadgeAttached"), QStringLiteral("cliBadgeNoAccess"),
        QStringLiteral("cliPlaysNothing"), QStringLiteral("cliPlaybackListCut"), QStringLiteral("cliPlaybackTooLarge"),
        QStringLiteral("cliPlaybackCut"), QStringLiteral("cliNothingToPlay"), QStringLiteral("cliSettingsUnreadable"),
        QStringLiteral("cliNotARegularFile"), QStringLiteral("cliFileDamaged"), QStringLiteral("cliTooManyFrames"),
        // names and descriptions for screen readers
        QStringLiteral("programText"), QStringLiteral("programList"), QStringLiteral("fontList"),
        QStringLiteral("sizeList"), QStringLiteral("textColourList"), QStringLiteral("backColourList"),
        QStringLiteral("previewDescription"), QStringLiteral("previewNoProgram"),
        QStringLiteral("sendProgress"), QStringLiteral("presetList"),
    };
    // clang-format on
    return keys;
}

QString LanguageTable::textOr(QStringView key, const QString& fallback) const
{
    const QString value = further_.value(key.toString().toCaseFolded());
    return value.isEmpty() ? fallback : value;
}

void LanguageTable::load(const QString& dataDir, int32_t lanID)
{
    entries_.fill(QString());
    further_.clear();
    const QString fileName = languageFileName(lanID);
    if (fileName.isEmpty())
        return;
    const QString section = languageSection(lanID);
    const IniFile file
        = IniFile::read(dataDir + QStringLiteral("language/") + fileName, ansiCodePageForLanguage(lanID));
    for (size_t i = 0; i < entries_.size(); ++i)
        entries_[i] = file.value(section, keys()[i]);
    for (const QString& key : file.keys(section)) {
        const QString folded = key.toCaseFolded();
        if (!further_.contains(folded))
            further_.insert(folded, file.value(section, key));
    }
}

QString LanguageTable::text(QStringView key) const
{
    const auto found = keyIndex().constFind(key.toString());
    if (found == keyIndex().cend())
        return furtherKeys().contains(key.toString()) ? further_.value(key.toString().toCaseFolded())
                                                      : QString();
    return entries_[static_cast<size_t>(*found)];
}

QString LanguageTable::msg(int index) const
{
    return matrix(u"msg", index);
}

QString LanguageTable::tip(int index) const
{
    return matrix(u"tip", index);
}

QString LanguageTable::matrix(QStringView family, int index) const
{
    if (index < 0)
        return {};
    return text(family.toString() + QString::number(index));
}

QString languageFileName(int32_t lanID)
{
    const LanguageFile* file = findLanguageFile(lanID);
    return file ? QString::fromUtf16(file->fileName) : QString();
}

QString languageSection(int32_t lanID)
{
    const LanguageFile* file = findLanguageFile(lanID);
    return file ? QString::fromUtf16(file->section) : QString();
}

} // namespace tessel
