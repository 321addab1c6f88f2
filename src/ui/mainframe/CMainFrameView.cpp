// The View menu: the zoom of the preview, with its keys, kept in the
// settings between runs, and the playback of the programs in the preview.
#include "ui/mainframe/CMainFrame.h"

#include "model/AppData.h"
#include "render/BadgePlayback.h"
#include "render/LedView.h"
#include "render/ScreenGeometry.h"
#include "ui/mainframe/MenuIds.h"
#include "ui/mainframe/ProgramView.h"
#include "ui/preview/PreviewDialog.h"
#include "ui/preview/PreviewForm.h"
#include "ui/preview/PreviewPlayer.h"

#include <QAction>
#include <QKeySequence>
#include <QShortcut>

namespace tessel {

void CMainFrame::setUpPreviewZoom()
{
    action(ViewZoomInCommand)
        ->setShortcuts({ QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal) });
    action(ViewZoomOutCommand)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    action(ViewActualSizeCommand)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    action(ViewFitCommand)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_9));
    PreviewDialog* preview = previewPane_->previewDialog();
    const ScreenGeometry screen = PreviewGeometry(data_.screenPara);
    preview->setScreenSize(QSize(screen.columns, screen.rows));
    connect(preview, &PreviewDialog::zoomChanged, this, &CMainFrame::previewZoomChanged);
    if (data_.previewZoom == FittedPreviewZoom)
        preview->fitToScreen();
    else
        preview->setZoom(data_.previewZoom);
    previewZoomChanged(preview->zoom());
}

void CMainFrame::OnViewCommand(int command)
{
    PreviewDialog* preview = previewPane_->previewDialog();
    switch (command) {
    case ViewZoomInCommand:
        preview->zoomIn();
        break;
    case ViewZoomOutCommand:
        preview->zoomOut();
        break;
    case ViewActualSizeCommand:
        preview->actualSize();
        break;
    case ViewFitCommand:
        preview->fitToScreen();
        break;
    case ViewPlayCommand:
        startPlayback(PlaybackScope::Program);
        break;
    case ViewPlayAllCommand:
        startPlayback(PlaybackScope::List);
        break;
    case ViewStopCommand:
        stopPlayback();
        break;
    default:
        break;
    }
}

// The zoom reaches "app.xml" with its next write, like the other view and
// device choices.
void CMainFrame::previewZoomChanged(int zoom)
{
    const bool fitted = previewPane_->previewDialog()->fitted();
    data_.previewZoom = fitted ? FittedPreviewZoom : static_cast<uint8_t>(zoom);
    action(ViewZoomInCommand)->setEnabled(zoom < MaxPreviewZoom);
    action(ViewZoomOutCommand)->setEnabled(zoom > MinPreviewZoom);
    action(ViewActualSizeCommand)->setEnabled(zoom != MinPreviewZoom);
    action(ViewFitCommand)->setEnabled(!fitted);
}

void CMainFrame::setUpPlayback()
{
    PreviewDialog* preview = previewPane_->previewDialog();
    player_ = new PreviewPlayer(*preview, this);
    connect(player_, &PreviewPlayer::screenChanged, preview, &PreviewDialog::showPlaybackScreen);
    connect(player_, &PreviewPlayer::stopped, this, [this, preview] {
        preview->showPicture();
        enablePlaybackCommands();
    });
    // Space plays and stops while the preview has the focus.
    previewPane_->setFocusPolicy(Qt::StrongFocus);
    auto* space = new QShortcut(
        QKeySequence(Qt::Key_Space), previewPane_, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(space, &QShortcut::activated, this, [this] {
        if (player_->playing())
            stopPlayback();
        else
            startPlayback(PlaybackScope::Program);
    });
    connect(treePane_, &QTreeWidget::currentItemChanged, this, &CMainFrame::enablePlaybackCommands);
    enablePlaybackCommands();
}

void CMainFrame::startPlayback(PlaybackScope scope, int listIndex)
{
    storePendingEdits();
    playFrom(scope, listIndex);
}

void CMainFrame::playFrom(PlaybackScope scope, int listIndex)
{
    const ScreenGeometry preview = PreviewGeometry(data_.screenPara);
    const ScreenGeometry geometry = BadgeGeometry(preview.rows, preview.columns, 0);
    const Program* program = treePane_->SelectedProgram();
    BadgePlayback playback;
    if (scope == PlaybackScope::Program && program)
        playback = BadgePlayback::OfProgram(data_, *program, geometry, data_.paths.dataDir);
    else if (scope == PlaybackScope::List)
        playback = BadgePlayback::OfList(data_, geometry, data_.paths.dataDir);
    int64_t from = 0;
    for (int i = 0; i < playback.programCount(); ++i)
        if (playback.listIndex(i) == listIndex)
            from = playback.programStart(i);
    player_->play(std::move(playback), scope, from);
    enablePlaybackCommands();
}

void CMainFrame::stopPlayback()
{
    player_->stop();
}

void CMainFrame::restartPlayback()
{
    if (!player_ || !player_->playing())
        return;
    // The preview refresh has just stored the pane's edits.
    const Program* program = treePane_->SelectedProgram();
    playFrom(player_->scope(), program ? data_.indexOf(program) : -1);
}

void CMainFrame::enablePlaybackCommands()
{
    if (!player_)
        return;
    action(ViewPlayCommand)->setEnabled(treePane_->SelectedProgram() != nullptr);
    action(ViewPlayAllCommand)->setEnabled(!data_.programs.empty());
    action(ViewStopCommand)->setEnabled(player_->playing());
}

} // namespace tessel
