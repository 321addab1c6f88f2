#include "ui/mainframe/CMainFrame.h"

#include "i18n/LanguageTable.h"
#include "model/AppData.h"
#include "render/PreviewPicture.h"
#include "ui/mainframe/BadgePresencePane.h"
#include "ui/ElidedLabel.h"
#include "ui/mainframe/MenuIds.h"
#include "ui/preview/PreviewDialog.h"
#include "ui/preview/PreviewForm.h"
#include "ui/preview/PreviewPlayer.h"
#include "ui/mainframe/ProgramView.h"
#include "ui/property/PropertyForm.h"
#include "ui/mainframe/SendCostPane.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QScrollArea>
#include <QProgressBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace tessel {

namespace {

const QString FrameTitle = QStringLiteral("K9057R V1.16");
constexpr int FrameWidth = 1137;
constexpr int FrameHeight = 700;
constexpr int TreeWidth = 250;
constexpr int PropertyPaneHeight = 240;
constexpr int MinimumPaneSize = 100;
constexpr int StatusPaneWidths[3] = { 400, 120, 600 };
// What the status panes keep when the window is too narrow for all three.
constexpr int StatusPaneMinimumWidths[3] = { 150, 60, 80 };
// Below this the panes and the tool bar would overlap.
constexpr QSize MinimumFrameSize(640, 480);

int timerIndex(ExchangeTimer timer)
{
    return timer - StatusClearTimer;
}

} // namespace

CMainFrame::CMainFrame(
    AppData& data, LanguageTable& texts, DeviceLink& link, FileDialogs dialogs, QWidget* parent)
    : QMainWindow(parent)
    , data_(data)
    , texts_(texts)
    , link_(link)
    , fileHost_(*this, texts, std::move(dialogs))
{
    createFileCommands();
    createSession();
    resize(FrameWidth, FrameHeight);
    setMinimumSize(MinimumFrameSize);
    createPanes();
    setWindowIcon(QIcon(QStringLiteral(":/app/tessel.svg")));
    setWindowTitle(FrameTitle);
    createToolBar();
    createMainMenu();
    createPopupMenus();
    createStatusBar();
    createTimers();
}

// The reader thread of an open link ends before the frame goes.
CMainFrame::~CMainFrame()
{
    stopLink();
}

void CMainFrame::createPanes()
{
    // Below the panes, a line that shows a message whole when status pane 0
    // is too narrow for it.
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    outerSplitter_ = new QSplitter(Qt::Vertical, central);
    column->addWidget(outerSplitter_, 1);
    messageLine_ = new QLabel(central);
    messageLine_->setWordWrap(true);
    messageLine_->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    messageLine_->setContentsMargins(6, 4, 6, 4);
    messageLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    messageLine_->hide();
    column->addWidget(messageLine_);
    outerSplitter_->setChildrenCollapsible(false);
    innerSplitter_ = new QSplitter(Qt::Horizontal, outerSplitter_);
    innerSplitter_->setChildrenCollapsible(false);
    innerSplitter_->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    innerSplitter_->setMinimumHeight(MinimumPaneSize);

    treePane_ = new ProgramView(data_, texts_, innerSplitter_);
    treePane_->setMinimumWidth(MinimumPaneSize);
    previewPane_ = new PreviewForm(innerSplitter_);
    // The property pane scrolls when the window is too small for its controls.
    propertyScroller_ = new QScrollArea(outerSplitter_);
    propertyScroller_->setWidgetResizable(true);
    propertyScroller_->setFrameShape(QFrame::NoFrame);
    propertyPane_ = new PropertyForm(data_, texts_, propertyScroller_);
    propertyScroller_->setWidget(propertyPane_);

    // Resizing keeps the upper row and the tree; the others take the difference.
    innerSplitter_->setStretchFactor(0, 0);
    innerSplitter_->setStretchFactor(1, 1);
    outerSplitter_->setStretchFactor(0, 0);
    outerSplitter_->setStretchFactor(1, 1);
    setCentralWidget(central);

    treePane_->setPropertyPane(propertyPane_);
    propertyPane_->setTreePane(treePane_);
    propertyPane_->setRefreshPreview([this] { RefreshPreview(); });
}

void CMainFrame::sizePanes()
{
    const int clientHeight = outerSplitter_->height();
    const int upper = std::max(MinimumPaneSize, clientHeight - PropertyPaneHeight);
    outerSplitter_->setSizes({ upper, std::max(0, clientHeight - upper) });
    innerSplitter_->setSizes({ TreeWidth, std::max(0, innerSplitter_->width() - TreeWidth) });
}

void CMainFrame::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!panesSized_) {
        panesSized_ = true;
        sizePanes();
    }
}

void CMainFrame::createStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(true);
    for (int i = 0; i < 2; ++i) {
        statusPanes_[i] = new ElidedLabel(bar);
        statusPanes_[i]->setFixedWidth(StatusPaneWidths[i]);
        statusPanes_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addWidget(statusPanes_[i]);
    }
    statusPanes_[0]->setAlignment(Qt::AlignCenter);
    statusPanes_[1]->setAlignment(Qt::AlignCenter);
    connect(statusPanes_[0], &ElidedLabel::shownChanged, this, &CMainFrame::showMessageLine);
    progressBar_ = new QProgressBar(bar);
    progressBar_->setFixedWidth(StatusPaneWidths[2]);
    progressBar_->setRange(0, 100);
    progressBar_->setValue(0);
    bar->addWidget(progressBar_);
    presencePane_ = new BadgePresencePane(*statusPanes_[1], texts_, [this] { return exchangeRunning(); }, this);
    costPane_ = new SendCostPane(*progressBar_, data_, texts_, [this] { storePendingEdits(); }, this);
    connectCostPane();
}

void CMainFrame::connectCostPane()
{
    // Every change of the list's programs, ticks and order; the edits of a
    // program reach it through RefreshPreview.
    const auto schedule = [this] {
        costPane_->schedule();
        refreshTitle();
    };
    connect(treePane_, &QTreeWidget::itemChanged, costPane_, schedule);
    QAbstractItemModel* tree = treePane_->model();
    connect(tree, &QAbstractItemModel::rowsInserted, costPane_, schedule);
    connect(tree, &QAbstractItemModel::rowsRemoved, costPane_, schedule);
    connect(tree, &QAbstractItemModel::rowsMoved, costPane_, schedule);
    // However the last program went (Delete, the pop-ups, undo), the
    // preview then shows no picture of it; queued, so the list has caught up.
    connect(
        tree, &QAbstractItemModel::rowsRemoved, this,
        [this] {
            if (data_.programs.empty())
                RefreshPreview();
        },
        Qt::QueuedConnection);
}

void CMainFrame::fitStatusPanes()
{
    // The panes keep their widths while they fit; a narrower window takes
    // from the message pane first, then from the progress bar, then from
    // the middle pane, so that the progress bar stays inside the bar.
    // The bar spans the window; its own width is not laid out yet here.
    QStatusBar* bar = statusBar();
    const int grip = bar->isSizeGripEnabled() ? bar->style()->pixelMetric(QStyle::PM_SizeGripSize) : 0;
    constexpr int Spacing = 12; // the bar's margins and the gaps between its panes
    int excess = StatusPaneWidths[0] + StatusPaneWidths[1] + StatusPaneWidths[2] + grip + 3 * Spacing - width();
    int widths[3] = { StatusPaneWidths[0], StatusPaneWidths[1], StatusPaneWidths[2] };
    for (int pane : { 0, 2, 1 }) {
        const int taken = std::clamp(excess, 0, widths[pane] - StatusPaneMinimumWidths[pane]);
        widths[pane] -= taken;
        excess -= taken;
    }
    statusPanes_[0]->setFixedWidth(widths[0]);
    statusPanes_[1]->setFixedWidth(widths[1]);
    progressBar_->setFixedWidth(widths[2]);
}

void CMainFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    fitStatusPanes();
}

void CMainFrame::FirstSetUpPanes()
{
    treePane_->FirstSetUp();
    previewPane_->FirstSetUp();
    setUpPreviewZoom();
    setUpPlayback();
    propertyPane_->FirstSetUp();
    setUpDrops();
    refreshRecentMenu();
    openNewestRecentFile();
    ApplyLanguage();
    ApplyModelRestrictions();
    // A start without programs shows the screen dark.
    if (data_.programs.empty())
        RefreshPreview();
}

QString CMainFrame::statusText() const
{
    return statusPanes_[0]->fullText();
}

void CMainFrame::setStatusText(const QString& text)
{
    // A leading tab centres the text in the pane.
    if (text.startsWith(QLatin1Char('\t'))) {
        statusPanes_[0]->setAlignment(Qt::AlignCenter);
        statusPanes_[0]->setFullText(text.mid(1));
    } else {
        statusPanes_[0]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        statusPanes_[0]->setFullText(text);
    }
}

void CMainFrame::showMessageLine()
{
    const bool cut = statusPanes_[0]->isCut() && !statusPanes_[0]->fullText().isEmpty();
    messageLine_->setText(cut ? statusPanes_[0]->fullText() : QString());
    messageLine_->setVisible(cut);
    // Shown whole above, the text is not repeated cut in the pane.
    if (cut)
        statusPanes_[0]->setText(QString());
}

QString CMainFrame::messageLineText() const
{
    return messageLine_->isVisibleTo(this) ? messageLine_->text() : QString();
}

void CMainFrame::armTimer(ExchangeTimer timer, int intervalMs)
{
    timers_[timerIndex(timer)]->start(intervalMs);
}

void CMainFrame::stopTimer(ExchangeTimer timer)
{
    timers_[timerIndex(timer)]->stop();
}

void CMainFrame::setProgressRange(int minimum, int maximum)
{
    progressBar_->setRange(minimum, maximum);
}

void CMainFrame::setProgressPosition(int position)
{
    progressBar_->setValue(position);
}

void CMainFrame::RefreshPreview()
{
    costPane_->schedule();
    refreshTitle();
    const ScreenGeometry geometry = PreviewGeometry(data_.screenPara);
    Program* program = treePane_->SelectedProgram();
    PreviewDialog* preview = previewPane_->previewDialog();
    preview->setScreenSize(QSize(geometry.columns, geometry.rows));
    if (!program) {
        // An empty list has no program the last picture could belong to:
        // the screen shows dark.
        if (data_.programs.empty()) {
            QImage dark(std::max<int>(1, geometry.columns), std::max<int>(1, geometry.rows), QImage::Format_RGB32);
            dark.fill(Qt::black);
            preview->ShowPreviewPicture(dark);
        }
        restartPlayback();
        describePreview();
        return;
    }
    propertyPane_->StoreProgram(*program);
    preview->ShowPreviewPicture(RenderPreview(data_, *program, data_.paths.dataDir));
    restartPlayback();
    describePreview();
}

void CMainFrame::refreshTitle()
{
    // The document's name, with Qt's marker of unsaved changes.
    if (data_.currentPath.isEmpty()) {
        setWindowTitle(FrameTitle);
        return;
    }
    setWindowTitle(QFileInfo(data_.currentPath).fileName() + QStringLiteral("[*] \u2014 ") + FrameTitle);
    setWindowModified(data_.modified != 0);
}

void CMainFrame::OnEditCommand(int command)
{
    if (command == EditUndoCommand || command == EditRedoCommand) {
        QUndoStack& stack = treePane_->undoStack();
        command == EditUndoCommand ? stack.undo() : stack.redo();
        RefreshPreview();
        return;
    }
    if (command == EditDeleteCommand) {
        data_.modified = 1;
        treePane_->DeleteSelected();
        return;
    }
    OnToolbarCommand(ToolbarAddText + (command - EditAddTextCommand));
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!leaveAllowed()) {
        event->ignore();
        return;
    }
    stopLink();
    event->accept();
}

} // namespace tessel
