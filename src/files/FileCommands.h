// The file commands of the main frame: New, Open, Save, Save As, Close, the
// recent-file list and the save question on leaving. They work on AppData and
// reach the window only through a FileCommandHost.
#pragma once

#include "files/FileCommandHost.h"

#include <QString>

namespace tessel {

class AppData;
class LanguageTable;

constexpr int NewCommand = 700;
constexpr int OpenCommand = 701;
constexpr int SaveCommand = 702;
constexpr int SaveAsCommand = 703;
constexpr int CloseCommand = 704;
constexpr int ExitCommand = 705;

enum class OpenResult { Opened = 0, Cancelled = 2, Failed = 3, AlreadyOpen = 4 };
// WriteFailed: the file could not be written, the user was told and
// `modified` stays set.
enum class SaveResult { Saved = 0, NotSaved = 1, Cancelled = 2, WriteFailed = 3 };
enum class SaveQuestion { Skip, Ask };
enum class SaveTarget { CurrentFile, ChooseFile };

class FileCommands {
public:
    FileCommands(AppData& data, const LanguageTable& texts, FileCommandHost& host);

    // Opens the path (a stored path; empty: ask with the open dialog) as the
    // current file without reading it.
    OpenResult openProgramFile(const QString& path);
    SaveResult saveProgramFile(SaveQuestion question, SaveTarget target);

    void newFile(); // [700]; Close [704] does the same
    void open(); // [701]
    // Open with the path given instead of the open dialog's (a file dropped
    // on the window): the save question first, as for Open.
    void openFile(const QString& path);
    void save(); // [702]
    void saveAs(); // [703]
    void openRecent(int index); // [706 + i]: recentFiles[index], 0 = oldest
    void clearRecent(); // [716]
    // The close path: true when the window may close.
    bool leave();

    // Routes a command of the file range; false for Exit and commands outside it.
    bool runCommand(int command);

    std::vector<RecentMenuItem> recentMenu() const;

private:
    OpenResult openPath(const QString& path);
    bool saveQuestionAllows();
    SaveResult writeTo(const QString& path);
    void readCurrentFile();
    void writeSettings();
    void publishRecentMenu();

    AppData& data_;
    const LanguageTable& texts_;
    FileCommandHost& host_;
};

} // namespace tessel
