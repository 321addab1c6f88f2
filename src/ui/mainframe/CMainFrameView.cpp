// The View menu: the zoom of the preview, with its keys, kept in the
// settings between runs.
#include "ui/mainframe/CMainFrame.h"

#include "model/AppData.h"
#include "render/LedView.h"
#include "ui/mainframe/MenuIds.h"
#include "ui/preview/PreviewDialog.h"
#include "ui/preview/PreviewForm.h"

#include <QAction>
#include <QKeySequence>

namespace tessel {

void CMainFrame::setUpPreviewZoom()
{
    action(ViewZoomInCommand)
        ->setShortcuts({ QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal) });
    action(ViewZoomOutCommand)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    action(ViewActualSizeCommand)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    PreviewDialog* preview = previewPane_->previewDialog();
    preview->setZoom(data_.previewZoom);
    connect(preview, &PreviewDialog::zoomChanged, this, &CMainFrame::previewZoomChanged);
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
    default:
        break;
    }
}

// The zoom reaches "app.xml" with its next write, like the other view and
// device choices.
void CMainFrame::previewZoomChanged(int zoom)
{
    data_.previewZoom = static_cast<uint8_t>(zoom);
    action(ViewZoomInCommand)->setEnabled(zoom < MaxPreviewZoom);
    action(ViewZoomOutCommand)->setEnabled(zoom > MinPreviewZoom);
    action(ViewActualSizeCommand)->setEnabled(zoom != MinPreviewZoom);
}

} // namespace tessel
