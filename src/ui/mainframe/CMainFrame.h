// The main window: the program tree, the preview and the property pane in
// their splitters, the main menu and its pop-ups, the main tool bar, the
// status bar with the progress bar, and the routing of every command to the
// part that carries it out. It hosts the send session with the badge.
#pragma once

#include "device/SendSessionHost.h"
#include "ui/mainframe/FileDialogsHost.h"
#include "ui/mainframe/QtTranslations.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <map>
#include <memory>

class QActionGroup;
class QLabel;
class QMenu;
class QProgressBar;
class QScrollArea;
class QSplitter;
class QTimer;
class QToolBar;
class QToolButton;

namespace tessel {

class AppData;
class BadgePresencePane;
class DeviceLink;
class ElidedLabel;
class FileCommands;
class LanguageTable;
class PreviewForm;
class PreviewPlayer;
enum class PlaybackScope;
class DropRouter;
class ProgramView;
class PropertyForm;
class ScreenParaDialog;
class SendCostPane;
class SendSession;
enum class DeviceOperation : int;

class HidTransport;

// Makes the transport of the screen-parameter dialog's own link: hidapi in
// the editor, the badge simulator in tests.
using TransportFactory = std::function<std::unique_ptr<HidTransport>()>;

class CMainFrame : public QMainWindow, public SendSessionHost {
    Q_OBJECT
public:
    // The link is the badge's (hidapi in the editor, the simulator in tests);
    // it must outlive the frame.
    CMainFrame(AppData& data, LanguageTable& texts, DeviceLink& link,
        FileDialogs dialogs = FileDialogs::standard(), QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Start-up, after the settings and the language are loaded: the check
    // marks of the pop-ups and the language menu from the settings.
    void SetCheckMarks();
    // Start-up: the panes' first set-up (tree, preview, property pane), the
    // newest recent file reopened, the texts applied and the model
    // restrictions applied.
    void FirstSetUpPanes();

    // Routes a command identifier of a menu, pop-up or tool bar button.
    void OnCommand(int command);

    // The preview of the selected program; a dark screen once the list is empty.
    void RefreshPreview();
    // The title names the open file and shows whether it has unsaved changes.
    void refreshTitle();
    // Fills the language table for lanID and puts Qt's own texts (standard
    // buttons, file and colour dialogs) into the same language.
    void LoadLanguage();
    void ApplyLanguage();
    void OnLanguageCommand(int command);
    // Hides the tool bar buttons and disables the menu items of the program
    // kinds and device functions this badge does not offer.
    void ApplyModelRestrictions();

    virtual void SelectChargeIcon(int command);
    virtual void SelectBrightness(int command);

    // What the file commands ask of the window.
    void storePendingEdits();
    void programListReplaced();
    void setRecentMenu(const std::vector<RecentMenuItem>& items);

    ProgramView* treePane() const { return treePane_; }
    PreviewForm* previewPane() const { return previewPane_; }
    PreviewPlayer& previewPlayer() const { return *player_; }
    PropertyForm* propertyPane() const { return propertyPane_; }
    QProgressBar* progressBar() const { return progressBar_; }
    QScrollArea* propertyScroller() const { return propertyScroller_; }
    QToolBar* mainToolBar() const { return mainToolBar_; }
    QSplitter* outerSplitter() const { return outerSplitter_; }
    QSplitter* innerSplitter() const { return innerSplitter_; }
    // The text of status pane 0 as given (without its leading tab), also
    // when the pane shows it shortened.
    QString statusText() const;
    // The line below the panes that shows status pane 0's text whole when
    // the pane cuts it; empty while hidden.
    QString messageLineText() const;
    // Status pane 1, whether a badge is attached, and status pane 2, what a
    // send of the ticked programs would transfer.
    BadgePresencePane& presencePane() { return *presencePane_; }
    SendCostPane& costPane() { return *costPane_; }
    // A menu item or tool bar button by its command identifier.
    QAction* action(int command) const;
    QToolButton* toolButton(int command) const;
    QMenu* brightnessPopup() const { return brightnessPopup_; }
    QMenu* chargeIconPopup() const { return chargeIconPopup_; }
    QMenu* recentMenu() const { return recentMenu_; }
    QMenu* languageMenu() const { return languageMenu_; }
    const SendSession& session() const { return *session_; }
    FileCommands& fileCommands() { return *fileCommands_; }

    // SendSessionHost
    void armTimer(ExchangeTimer timer, int intervalMs) override;
    void stopTimer(ExchangeTimer timer) override;
    void setStatusText(const QString& text) override;
    void disableToolBar() override;
    void enableToolBar() override;
    void showMessageBox(const QString& text, const QString& caption) override;
    void setProgressRange(int minimum, int maximum) override;
    void setProgressPosition(int position) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Replaces the transport the screen-parameter dialog opens (hidapi).
    void setScreenParaTransportFactory(TransportFactory factory) { screenParaTransport_ = std::move(factory); }

private:
    // The file commands and the send session live in translation units of
    // their own: the file and device layers each name an `OpenResult`.
    struct FileCommandsDeleter {
        void operator()(FileCommands* commands) const;
    };
    struct SessionDeleter {
        void operator()(SendSession* session) const;
    };

    // CMainFrame.cpp
    void createPanes();
    void createStatusBar();
    void fitStatusPanes();
    void showMessageLine();
    void connectCostPane();
    void sizePanes();
    void OnEditCommand(int command);
    // CMainFrameFiles.cpp
    void createFileCommands();
    // A program file dropped on the window opens as Open opens the one chosen.
    void openDroppedFile(const QString& path);
    // A picture dropped on the tree becomes a new image program.
    void addDroppedPicture(const QString& path);
    void setUpDrops();
    void OnFileCommand(int command);
    void refreshRecentMenu();
    void openNewestRecentFile();
    bool leaveAllowed();
    // CMainFrameMenus.cpp
    void createMainMenu();
    void createPopupMenus();
    QAction* addCommand(QMenu* menu, int command, const QString& text);
    void OnOptionsCommand(int command);
    void OnHelpCommand(int command);
    void startImageEditor();
    // The HTML manual in the data folder's "manual/"; empty when none is there.
    QString htmlManualPath() const;
    void setDeviceCheckMarks(bool shown);
    // CMainFrameNames.cpp
    void nameControls();
    // The LED view's description: the program shown and the screen's size.
    void describePreview();
    // CMainFrameView.cpp
    void setUpPreviewZoom();
    void OnViewCommand(int command);
    void previewZoomChanged(int zoom);
    void setUpPlayback();
    // The playback of the selected program or of the ticked list, from the
    // start or, for the list, from the program at `listIndex`.
    void startPlayback(PlaybackScope scope, int listIndex = -1);
    // The playback of the list as it stands, without storing the pane first.
    void playFrom(PlaybackScope scope, int listIndex);
    void stopPlayback();
    // After an edit: the playing program starts again as it now is.
    void restartPlayback();
    void enablePlaybackCommands();
    PreviewPlayer* player_ = nullptr;
    // CMainFrameToolBar.cpp
    void createToolBar();
    void fitToolButtons();
    // The images follow the palette: a change of theme draws them again.
    void refreshToolBarImages();
    void OnToolbarCommand(int command);
    QString toolTipText(int command) const;
    // CMainFrameDevice.cpp
    void createSession();
    void createTimers();
    void stopLink();
    void runDeviceCommand(DeviceOperation operation);
    void OnToolsCommand(int command);
    void sendPrograms();
    // The send session or the screen-parameter dialog talks to the badge.
    bool exchangeRunning() const;
    // CMainFrameDialogs.cpp
    void openScreenParameters();
    TransportFactory screenParaTransport_;
    const ScreenParaDialog* screenParaDialog_ = nullptr; // while the dialog is open
    void openSoftwareOptions();
    void openCommSettings();

    AppData& data_;
    LanguageTable& texts_;
    DeviceLink& link_;

    QSplitter* outerSplitter_ = nullptr;
    QSplitter* innerSplitter_ = nullptr;
    PropertyForm* propertyPane_ = nullptr;
    ProgramView* treePane_ = nullptr;
    PreviewForm* previewPane_ = nullptr;
    QScrollArea* propertyScroller_ = nullptr;
    ElidedLabel* statusPanes_[2] = {};
    QLabel* messageLine_ = nullptr;
    QToolBar* mainToolBar_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    BadgePresencePane* presencePane_ = nullptr;
    SendCostPane* costPane_ = nullptr;
    QMenu* brightnessPopup_ = nullptr;
    QMenu* chargeIconPopup_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QMenu* languageMenu_ = nullptr;
    std::map<int, QAction*> actions_; // menu items and pop-up items by identifier
    std::map<int, QAction*> toolBarActions_; // tool bar buttons by identifier
    std::array<QTimer*, 3> timers_ {}; // 1624, 1625, 1626

    FileDialogsHost fileHost_;
    QtTranslations qtTexts_;
    std::unique_ptr<FileCommands, FileCommandsDeleter> fileCommands_;
    std::unique_ptr<SendSession, SessionDeleter> session_;
    bool panesSized_ = false;
};

} // namespace tessel
