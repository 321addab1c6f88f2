#include "ui/mainframe/SendCostPane.h"

#include "device/Packet.h"
#include "i18n/LanguageTable.h"
#include "model/AppData.h"
#include "render/DeviceImage.h"
#include "render/ScreenGeometry.h"

#include <QApplication>
#include <QEvent>
#include <QProgressBar>

namespace tessel {

namespace {

// Room kept free at the bar's sides.
constexpr int TextMargin = 6;

// The bar reads "%p", "%v" and "%m" in its format; a text shows as it is.
QString asBarFormat(QString text)
{
    return text.replace(u'%', QStringLiteral("%%"));
}

} // namespace

SendCostPane::SendCostPane(QProgressBar& bar, const AppData& data, const LanguageTable& texts,
    std::function<void()> storeEdits, QObject* parent)
    : QObject(parent)
    , bar_(bar)
    , data_(data)
    , texts_(texts)
    , storeEdits_(std::move(storeEdits))
{
    settle_.setSingleShot(true);
    settle_.setInterval(SettleMs);
    connect(&settle_, &QTimer::timeout, this, &SendCostPane::update);
    bar_.setTextVisible(true);
    bar_.setAlignment(Qt::AlignCenter);
    bar_.installEventFilter(this);
    keepTextReadable();
    showFitting();
}

void SendCostPane::schedule()
{
    settle_.start();
}

void SendCostPane::update()
{
    settle_.stop();
    if (storeEdits_)
        storeEdits_();
    ScreenGeometry geometry = PreviewGeometry(data_.screenPara);
    ComputeScreenGeometry(geometry);
    const DeviceImageBuild build = BuildDeviceImage(data_, geometry, data_.paths.dataDir);
    const qint64 count = DataPacketCount(build.bytes.size());
    if (build.tooManyPrograms || build.tooLarge) {
        // Such a list cannot be sent: the pane says so in the words the
        // send itself would use.
        imageBytes_ = 0;
        packets_ = 0;
        text_ = texts_.text(u"tip24");
    } else {
        // A header alone carries no program: a send transfers nothing.
        const bool nothing = build.bytes.size() <= GlobalHeaderSize;
        imageBytes_ = nothing ? 0 : build.bytes.size();
        packets_ = nothing ? 0 : count;
        text_ = texts_.textOr(u"sendCost", QStringLiteral("%1 bytes, %2 packets"))
                    .arg(isolated(QString::number(imageBytes_)), isolated(QString::number(packets_)));
    }
    showFitting();
}

bool SendCostPane::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &bar_ && event->type() == QEvent::Resize)
        showFitting();
    else if (watched == &bar_
        && (event->type() == QEvent::LayoutDirectionChange || event->type() == QEvent::PaletteChange))
        keepTextReadable();
    return QObject::eventFilter(watched, event);
}

// A bar that fills from the right is drawn by some styles (Fusion) with the
// highlighted-text colour over its empty part, white on white; there the
// text keeps the colour of text.
void SendCostPane::keepTextReadable()
{
    const QColor wanted = bar_.isRightToLeft() ? bar_.palette().color(QPalette::Text)
                                               : QApplication::palette(&bar_).color(QPalette::HighlightedText);
    if (bar_.palette().color(QPalette::HighlightedText) == wanted)
        return;
    QPalette palette = bar_.palette();
    palette.setColor(QPalette::HighlightedText, wanted);
    bar_.setPalette(palette);
}

void SendCostPane::showFitting()
{
    const QString shown
        = bar_.fontMetrics().elidedText(text_, Qt::ElideMiddle, bar_.width() - 2 * TextMargin);
    bar_.setFormat(asBarFormat(shown));
    bar_.setToolTip(shown != text_ ? text_ : QString());
}

} // namespace tessel
