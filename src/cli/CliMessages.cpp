#include "cli/CliMessages.h"

#include "i18n/LanguageTable.h"

#include <iterator>

namespace tessel::cli {

namespace {

struct Entry {
    CliMessage message;
    const char* key;
    const char* english;
};

constexpr Entry Entries[] = {
    { CliMessage::TryHelp, "cliTryHelp", "Try '%1 --help'." },
    { CliMessage::UnknownCommand, "cliUnknownCommand", "unknown command '%1'" },
    { CliMessage::UnknownOption, "cliUnknownOption", "unknown option '%1'" },
    { CliMessage::MissingValue, "cliMissingValue", "option '%1' needs a value" },
    { CliMessage::UnexpectedValue, "cliUnexpectedValue", "option '%1' takes no value" },
    { CliMessage::RepeatedOption, "cliRepeatedOption", "option '%1' is given more than once" },
    { CliMessage::UnexpectedArgument, "cliUnexpectedArgument", "unexpected argument '%1'" },
    { CliMessage::MissingArgument, "cliMissingArgument", "missing %1" },
    { CliMessage::BadValue, "cliBadValue", "invalid value '%2' for %1 (allowed: %3)" },
    { CliMessage::Conflict, "cliConflict", "%1 does not go with %2" },
    { CliMessage::NeedsSimulator, "cliNeedsSimulator", "%1 works only with --device sim" },
    { CliMessage::WriteError, "cliWriteError", "write error: %1" },
    { CliMessage::InputTooLarge, "cliInputTooLarge", "standard input holds more than %1 MiB" },
    { CliMessage::NoSuchProgram, "cliNoSuchProgram", "there is no program %1: the file holds %2" },
    { CliMessage::NoPreview, "cliNoPreview", "program %1 has no preview picture (it is of type %2)" },
    { CliMessage::PictureMissing, "cliPictureMissing",
        "program %1: the picture file %2 is missing or not a picture" },
    { CliMessage::NoColumns, "cliNoColumns", "program %1: the screen of app.xml has no columns" },
    { CliMessage::TooManyPrograms, "cliTooManyPrograms",
        "more than %1 programs to send: the badge counts at most %1" },
    { CliMessage::ImageTooLarge, "cliImageTooLarge",
        "the device image would exceed %1 bytes, more than a send can transfer" },
    { CliMessage::EmptyText, "cliEmptyText", "the text is empty: nothing was sent" },
    { CliMessage::TextCut, "cliTextCut",
        "warning: the text is %1 columns wide; a text program shows at most %2, the rest is cut off" },
    { CliMessage::PictureUnreadable, "cliPictureUnreadable", "%1 is missing or not a picture" },
    { CliMessage::PictureTooLarge, "cliPictureTooLarge", "%1 is too large to decode" },
    { CliMessage::PictureTooWide, "cliPictureTooWide",
        "%1 at the screen's height would be wider than %2 columns" },
    { CliMessage::SerialChosen, "cliSerialChosen",
        "the serial interface is chosen in app.xml (commType %1): nothing was sent" },
    { CliMessage::NoPermission, "cliNoPermission",
        "the badge is attached but this user may not open it: install the udev rule %1 (see the README), "
        "then "
        "unplug and replug the badge" },
    { CliMessage::NotABadge, "cliNotABadge", "the device at %1 is not the badge (see 'tessel-cli devices')" },
    { CliMessage::NoReply, "cliNoReply", "the badge stopped answering" },
    { CliMessage::NoHidLibrary, "cliNoHidLibrary",
        "the USB HID library could not be started: no badge can be listed" },
    { CliMessage::NoHidraw, "cliNoHidraw",
        "no hidraw devices in /dev: the kernel's hidraw driver is not loaded, or this system does not see "
        "the "
        "machine's USB devices" },
    { CliMessage::NoBadgeAttached, "cliNoBadgeAttached", "no badge attached" },
    { CliMessage::BadgeNoAccess, "cliBadgeNoAccess",
        "%1: this user may not open it: install the udev rule %2 (see the README), then unplug and replug "
        "the badge" },
    { CliMessage::PlaysNothing, "cliPlaysNothing",
        "program %1 shows nothing on the badge: it is not a text or picture, or it is empty" },
    { CliMessage::PlaybackListCut, "cliPlaybackListCut",
        "the list holds more than one send can carry; the GIF plays the first %1 programs" },
    { CliMessage::PlaybackTooLarge, "cliPlaybackTooLarge", "a %1 x %2 screen at --zoom %3 is larger than a GIF may be" },
    { CliMessage::PlaybackCut, "cliPlaybackCut",
        "the playback is too long for one GIF: it holds the first %1 of %2 seconds" },
    { CliMessage::NothingToPlay, "cliNothingToPlay", "nothing to play: tick at least one text or picture program" },
    { CliMessage::SettingsUnreadable, "cliSettingsUnreadable",
        "warning: the settings file '%1' cannot be read (%2); the default settings are used" },
    { CliMessage::NotARegularFile, "cliNotARegularFile", "warning: '%1' is not a regular file and is not read" },
    { CliMessage::FileDamaged, "cliFileDamaged", "warning: '%1' is damaged or cut off; %2 programs could be read" },
    { CliMessage::TooManyFrames, "cliTooManyFrames", "program %1 ('%2') needs %3 frames: a program holds at most %4" },
};

constexpr bool inEnumOrder()
{
    for (size_t i = 0; i < std::size(Entries); ++i)
        if (static_cast<size_t>(Entries[i].message) != i)
            return false;
    return true;
}
static_assert(inEnumOrder(), "one entry per message, in the enum's order");

const Entry& entryOf(CliMessage message)
{
    return Entries[static_cast<size_t>(message)];
}

} // namespace

QString messageKey(CliMessage message)
{
    return QString::fromLatin1(entryOf(message).key);
}

const QStringList& messageKeys()
{
    static const QStringList keys = [] {
        QStringList list;
        for (const Entry& entry : Entries)
            list.append(QString::fromLatin1(entry.key));
        return list;
    }();
    return keys;
}

QString messageText(const LanguageTable& texts, CliMessage message)
{
    const Entry& entry = entryOf(message);
    return texts.textOr(QString::fromLatin1(entry.key), QString::fromUtf8(entry.english));
}

} // namespace tessel::cli
