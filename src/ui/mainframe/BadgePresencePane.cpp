#include "ui/mainframe/BadgePresencePane.h"

#include "device/BadgeEnumerator.h"
#include "i18n/LanguageTable.h"
#include "ui/ElidedLabel.h"

namespace tessel {

BadgePresencePane::BadgePresencePane(
    ElidedLabel& pane, const LanguageTable& texts, ExchangeRunning exchangeRunning, QObject* parent)
    : QObject(parent)
    , pane_(pane)
    , texts_(texts)
    , exchangeRunning_(std::move(exchangeRunning))
    , enumerator_(std::make_unique<HidapiBadgeEnumerator>())
{
    connect(&timer_, &QTimer::timeout, this, &BadgePresencePane::refresh);
    timer_.start(RefreshIntervalMs);
    // The first look is not left for two seconds, nor made before the
    // window exists.
    QTimer::singleShot(0, this, &BadgePresencePane::refresh);
}

BadgePresencePane::~BadgePresencePane() = default;

void BadgePresencePane::setEnumerator(std::unique_ptr<BadgeEnumerator> enumerator)
{
    enumerator_ = std::move(enumerator);
}

void BadgePresencePane::refresh()
{
    if (exchangeRunning_ && exchangeRunning_())
        return;
    const BadgeListing listing = enumerator_->listBadges();
    presence_ = listing.badges.empty() ? BadgePresence::Absent : BadgePresence::Attached;
    applyLanguage();
}

void BadgePresencePane::applyLanguage()
{
    switch (presence_) {
    case BadgePresence::Unknown:
        pane_.setFullText(QString());
        break;
    case BadgePresence::Attached:
        pane_.setFullText(texts_.textOr(u"badgeConnected", QStringLiteral("Badge connected")));
        break;
    case BadgePresence::Absent:
        pane_.setFullText(texts_.textOr(u"noBadge", QStringLiteral("No badge")));
        break;
    }
}

} // namespace tessel
