// tessel-cli devices: every attached badge, one line each (path, serial
// number, product, separated by tabs) or as a JSON array, so that a script
// can pick one for --device-path.
#include "cli/CliCommand.h"
#include "cli/CliDeviceOutcome.h"
#include "cli/CliTerminalText.h"
#include "device/AttachedBadges.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tessel::cli {

namespace {

enum class ListFormat { Lines, Json };

// What the user needs to know to see or use the badges; nothing is wrong
// with an empty list as such.
void explainListing(const CliConsole& console, const BadgeListing& listing)
{
    switch (listing.problem) {
    case ListingProblem::NoHidLibrary:
        console.error(CliMessage::NoHidLibrary);
        return;
    case ListingProblem::NoHidrawNodes:
        console.error(CliMessage::NoHidraw);
        return;
    case ListingProblem::None:
        break;
    }
    if (listing.badges.empty())
        console.outcome(console.text(CliMessage::NoBadgeAttached));
    for (const AttachedBadge& badge : listing.badges)
        if (badge.access == BadgeAccess::NoAccess)
            console.error(CliMessage::BadgeNoAccess, { badge.path, QLatin1String(UdevRule) });
}

void printBadges(CliConsole& console, const std::vector<AttachedBadge>& badges, ListFormat format)
{
    if (format == ListFormat::Lines) {
        for (const AttachedBadge& badge : badges)
            console.writeText(QStringLiteral("%1\t%2\t%3\n")
                                  .arg(escapedControls(badge.path), escapedControls(badge.serial),
                                      escapedControls(badge.product)));
        return;
    }
    QJsonArray list;
    for (const AttachedBadge& badge : badges)
        list.append(QJsonObject { { QStringLiteral("path"), badge.path },
            { QStringLiteral("serial"), badge.serial }, { QStringLiteral("product"), badge.product },
            { QStringLiteral("accessible"), badge.access == BadgeAccess::Usable } });
    console.writeData(QJsonDocument(list).toJson(QJsonDocument::Indented));
}

int runDevices(const CliCall& call)
{
    const ListFormat format = call.isSet(QStringLiteral("json")) ? ListFormat::Json : ListFormat::Lines;
    const QString device = call.value(QStringLiteral("device"));
    if (call.isSet(QStringLiteral("device")) && device != QLatin1String("usb")
        && device != QLatin1String("sim")) {
        call.console.error(
            CliMessage::BadValue, { QStringLiteral("--device"), device, QStringLiteral("usb, sim") });
        return ExitUsage;
    }
    BadgeListing listing;
    if (device == QLatin1String("sim"))
        listing.badges.push_back(SimulatedBadge());
    else
        listing = ListAttachedBadges();
    explainListing(call.console, listing);
    printBadges(call.console, listing.badges, format);
    return ExitSuccess;
}

// Listing exchanges nothing with a badge: the simulator's files and faults
// do not apply and are refused as unknown options.
const CliCommandRegistration devicesCommand({
    .name = "devices",
    .usage = "[--json] [--device usb|sim]",
    .help = "Lists every attached badge, one line each: hidraw path, serial number and\n"
            "product, separated by tabs; a path goes to --device-path. Exits 0 also when\n"
            "there is none, and says on standard error what keeps a badge from being seen\n"
            "or used.\n"
            "  --json          a UTF-8 JSON array of objects: path, serial, product\n"
            "                  (strings) and accessible (boolean: this user may open it)\n"
            "  --device sim    list the simulated badge\n",
    .options
    = { { { QStringLiteral("json") } }, { { QStringLiteral("device") }, QStringLiteral("usb|sim") } },
    .run = runDevices,
});

} // namespace

} // namespace tessel::cli
