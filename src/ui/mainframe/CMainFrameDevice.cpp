// The device commands of the tool bar and the Tools menu, and the window
// side of the send session.
#include "ui/mainframe/CMainFrame.h"

#include "device/SendSession.h"
#include "model/AppData.h"
#include "render/DeviceImage.h"
#include "ui/mainframe/MenuIds.h"
#include "ui/mainframe/ProgramView.h"
#include "ui/property/PropertyForm.h"
#include "ui/device/ScreenParaDialog.h"

#include <QMessageBox>
#include <QTimer>
#include <QToolBar>

namespace tessel {

void CMainFrame::SessionDeleter::operator()(SendSession* session) const
{
    delete session;
}

void CMainFrame::createSession()
{
    // The image of a send: every ticked text and image program of the list.
    session_.reset(new SendSession(data_, texts_, link_, *this, [this](const ScreenGeometry& geometry) {
        return BuildDeviceImage(data_, geometry, data_.paths.dataDir);
    }));
}

void CMainFrame::createTimers()
{
    static constexpr ExchangeTimer Timers[3] = { StatusClearTimer, HandshakeTimer, ReplyTimer };
    for (int i = 0; i < 3; ++i) {
        auto* timer = new QTimer(this);
        // Coarse timers may fire up to 5 % early: a time-out must never
        // come before its 500 ms.
        timer->setTimerType(Qt::PreciseTimer);
        const ExchangeTimer id = Timers[i];
        connect(timer, &QTimer::timeout, this, [this, id] { session_->OnTimer(id); });
        timers_[i] = timer;
    }
}

void CMainFrame::stopLink()
{
    for (QTimer* timer : timers_)
        if (timer)
            timer->stop();
    if (link_.isOpen())
        link_.CloseLink();
}

void CMainFrame::runDeviceCommand(DeviceOperation operation)
{
    session_->RunDeviceCommand(operation);
}

void CMainFrame::sendPrograms()
{
    // One exchange at a time: a send during another is ignored as a whole.
    if (session_->running())
        return;
    // The image carries the edits not yet stored.
    storePendingEdits();
    runDeviceCommand(DeviceOperation::Send);
}

bool CMainFrame::exchangeRunning() const
{
    return session_->running() || (screenParaDialog_ && screenParaDialog_->exchange().running());
}

void CMainFrame::OnToolsCommand(int command)
{
    switch (command) {
    case ToolsSearchCommand:
        runDeviceCommand(DeviceOperation::Search);
        break;
    case ToolsClearCommand:
        runDeviceCommand(DeviceOperation::ClearScreen);
        break;
    case ToolsBrightnessCommand:
        runDeviceCommand(DeviceOperation::SetBrightness);
        break;
    case ToolsSendCommand:
        sendPrograms();
        break;
    case ToolsScreenParaCommand:
        openScreenParameters();
        break;
    default:
        // 741, 743, 747 and 748 carry no device function: their items are
        // disabled.
        break;
    }
}

void CMainFrame::disableToolBar()
{
    mainToolBar_->setEnabled(false);
}

void CMainFrame::enableToolBar()
{
    mainToolBar_->setEnabled(true);
}

void CMainFrame::showMessageBox(const QString& text, const QString& caption)
{
    QMessageBox::information(this, caption, text, QMessageBox::Ok);
}

} // namespace tessel
