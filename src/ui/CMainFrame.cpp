#include "ui/CMainFrame.h"

#include "i18n/LanguageTable.h"
#include "model/AppData.h"
#include "render/PreviewPicture.h"
#include "ui/MenuIds.h"
#include "ui/PreviewDialog.h"
#include "ui/PreviewForm.h"
#include "ui/ProgramView.h"
#include "ui/PropertyForm.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QProgressBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>

namespace tessel {

namespace {

const QString FrameTitle = QStringLiteral("K9057R V1.16");
constexpr int FrameWidth = 1137;
constexpr int FrameHeight = 700;
constexpr int TreeWidth = 250;
constexpr int PropertyPaneHeight = 240;
constexpr int MinimumPaneSize = 100;
constexpr int StatusPaneWidths[3] = { 400, 120, 600 };

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
    , fileHost_(*this, std::move(dialogs))
{
    createFileCommands();
    createSession();
    resize(FrameWidth, FrameHeight);
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
    outerSplitter_ = new QSplitter(Qt::Vertical, this);
    outerSplitter_->setChildrenCollapsible(false);
    innerSplitter_ = new QSplitter(Qt::Horizontal, outerSplitter_);
    innerSplitter_->setChildrenCollapsible(false);
    innerSplitter_->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    innerSplitter_->setMinimumHeight(MinimumPaneSize);

    treePane_ = new ProgramView(data_, texts_, innerSplitter_);
    treePane_->setMinimumWidth(MinimumPaneSize);
    previewPane_ = new PreviewForm(innerSplitter_);
    propertyPane_ = new PropertyForm(data_, texts_, outerSplitter_);

    // Resizing keeps the upper row and the tree; the others take the difference.
    innerSplitter_->setStretchFactor(0, 0);
    innerSplitter_->setStretchFactor(1, 1);
    outerSplitter_->setStretchFactor(0, 0);
    outerSplitter_->setStretchFactor(1, 1);
    setCentralWidget(outerSplitter_);

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
        statusPanes_[i] = new QLabel(bar);
        statusPanes_[i]->setFixedWidth(StatusPaneWidths[i]);
        statusPanes_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addWidget(statusPanes_[i]);
    }
    statusPanes_[0]->setAlignment(Qt::AlignCenter);
    progressBar_ = new QProgressBar(bar);
    progressBar_->setFixedWidth(StatusPaneWidths[2]);
    progressBar_->setRange(0, 100);
    progressBar_->setValue(0);
    progressBar_->setTextVisible(false);
    bar->addWidget(progressBar_);
}

void CMainFrame::FirstSetUpPanes()
{
    treePane_->FirstSetUp();
    previewPane_->FirstSetUp();
    setUpPreviewZoom();
    propertyPane_->FirstSetUp();
    refreshRecentMenu();
    openNewestRecentFile();
    ApplyLanguage();
    ApplyModelRestrictions();
}

QString CMainFrame::statusText() const
{
    return statusPanes_[0]->text();
}

void CMainFrame::setStatusText(const QString& text)
{
    // A leading tab centres the text in the pane.
    if (text.startsWith(QLatin1Char('\t'))) {
        statusPanes_[0]->setAlignment(Qt::AlignCenter);
        statusPanes_[0]->setText(text.mid(1));
    } else {
        statusPanes_[0]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        statusPanes_[0]->setText(text);
    }
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
    Program* program = treePane_->SelectedProgram();
    if (!program)
        return;
    propertyPane_->StoreProgram(*program);
    previewPane_->previewDialog()->setPageColumns(PreviewGeometry(data_.screenPara).columns);
    previewPane_->previewDialog()->ShowPreviewPicture(RenderPreview(data_, *program, data_.exeDir));
}

void CMainFrame::OnEditCommand(int command)
{
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
