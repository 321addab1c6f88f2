// The texts tessel-cli itself says: each a further key of the language files,
// with the English wording used when a file lacks it. %1, %2, %3 stand for
// an option, a value, a file name or a number.
#pragma once

#include <QString>
#include <QStringList>

namespace tessel {
class LanguageTable;
}

namespace tessel::cli {

enum class CliMessage {
    TryHelp,
    UnknownCommand,
    UnknownOption,
    MissingValue,
    UnexpectedValue,
    RepeatedOption,
    UnexpectedArgument,
    MissingArgument,
    BadValue,
    Conflict,
    NeedsSimulator,
    WriteError,
    InputTooLarge,
    NoSuchProgram,
    NoPreview,
    PictureMissing,
    NoColumns,
    TooManyPrograms,
    ImageTooLarge,
    EmptyText,
    TextCut,
    PictureUnreadable,
    PictureTooLarge,
    PictureTooWide,
    SerialChosen,
    NoPermission,
    NotABadge,
    NoReply,
    NoHidLibrary,
    NoHidraw,
    NoBadgeAttached,
    BadgeNoAccess,
    PlaysNothing,
    PlaybackListCut,
    PlaybackTooLarge,
    PlaybackCut,
    NothingToPlay,
    SettingsUnreadable,
    NotARegularFile,
    FileDamaged,
    TooManyFrames,
};

// The further key of a message, e.g. "cliUnknownOption".
QString messageKey(CliMessage message);
// Every key, in the order of CliMessage.
const QStringList& messageKeys();
// The message in the table's words, else in English; the placeholders are
// still to be filled.
QString messageText(const LanguageTable& texts, CliMessage message);

} // namespace tessel::cli
