// tessel-cli devices: every attached badge, one line each (path, serial
// number, product, separated by tabs) or as a JSON array, so that a script
// can pick one for --device-path.
#include "cli/CliCommand.h"
#include "cli/CliDevice.h"
#include "cli/CliOptions.h"
#include "device/AttachedBadges.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace tessel::cli {

namespace {

enum class ListFormat { Lines, Json };

// What the user needs to know to see or use the badges; nothing is wrong
// with an empty list as such.
void explainListing(const BadgeListing& listing)
{
    switch (listing.problem) {
    case ListingProblem::NoHidLibrary:
        printError(QStringLiteral("the USB HID library could not be started: no badge can be listed"));
        return;
    case ListingProblem::NoHidrawNodes:
        printError(QStringLiteral("no hidraw devices in /dev: the kernel's hidraw driver is not loaded, or "
                                  "this system does not see the machine's USB devices"));
        return;
    case ListingProblem::None:
        break;
    }
    if (listing.badges.empty())
        printError(QStringLiteral("no badge attached"));
    for (const AttachedBadge& badge : listing.badges)
        if (badge.access == BadgeAccess::NoAccess)
            printError(QStringLiteral("%1: this user may not open it: install the udev rule "
                                      "data/udev/70-k9057r-badge.rules (see the README), then unplug and "
                                      "replug the badge")
                           .arg(badge.path));
}

void printBadges(const std::vector<AttachedBadge>& badges, ListFormat format)
{
    if (format == ListFormat::Lines) {
        for (const AttachedBadge& badge : badges) {
            const QString line = QStringLiteral("%1\t%2\t%3\n").arg(badge.path, badge.serial, badge.product);
            std::fputs(line.toUtf8().constData(), stdout);
        }
        return;
    }
    QJsonArray list;
    for (const AttachedBadge& badge : badges)
        list.append(QJsonObject { { QStringLiteral("path"), badge.path }, { QStringLiteral("serial"), badge.serial },
            { QStringLiteral("product"), badge.product },
            { QStringLiteral("accessible"), badge.access == BadgeAccess::Usable } });
    std::fputs(QJsonDocument(list).toJson(QJsonDocument::Indented).constData(), stdout);
}

int runDevices(const QStringList& arguments)
{
    QStringList args = arguments;
    const auto device = takeDeviceOptions(args);
    if (!device)
        return ExitUsage;
    const ListFormat format = args.removeAll(QStringLiteral("--json")) > 0 ? ListFormat::Json : ListFormat::Lines;
    if (!args.isEmpty()) {
        printError(QStringLiteral("unexpected argument '%1'").arg(args.first()));
        return ExitUsage;
    }
    if (!device->devicePath.isEmpty()) {
        printError(QStringLiteral("devices lists every badge: --device-path does not apply"));
        return ExitUsage;
    }
    BadgeListing listing;
    if (device->kind == DeviceKind::Simulator)
        listing.badges.push_back(SimulatedBadge());
    else
        listing = ListAttachedBadges();
    explainListing(listing);
    printBadges(listing.badges, format);
    return ExitSuccess;
}

const CliCommandRegistration devicesCommand({ "devices", "[--json] [--device usb|sim]", runDevices,
    "Lists every attached badge, one line each: hidraw path, serial number and\n"
    "product, separated by tabs; a path goes to --device-path. Exits 0 also when\n"
    "there is none, and says on standard error what keeps a badge from being seen\n"
    "or used.\n"
    "  --json          an array of objects with path, serial, product, accessible\n"
    "  --device sim    list the simulated badge\n" });

} // namespace

} // namespace tessel::cli
