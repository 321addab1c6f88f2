// The main window's side of the file commands: the standard file dialogs,
// the save question and the messages, and the panes that follow the program
// list. The file dialogs name the file types in the language in force. The dialogs can be replaced (tests answer them by script).
#pragma once

#include "files/FileCommandHost.h"

#include <functional>

class QWidget;

namespace tessel {

class CMainFrame;
class LanguageTable;

struct FileDialogs {
    std::function<std::optional<QString>(QWidget* parent, const QString& filter)> askOpenPath;
    std::function<std::optional<QString>(QWidget* parent, const SaveDialogRequest& request)> askSavePath;
    std::function<SaveAnswer(QWidget* parent, const QString& question, const QString& caption)>
        askSaveChanges;
    std::function<void(QWidget* parent, const QString& message, const QString& caption)> showOpenFailed;
    std::function<void(QWidget* parent, const QString& message, const QString& caption)> showWriteFailed;

    // QFileDialog and QMessageBox.
    static FileDialogs standard();
};

class FileDialogsHost final : public FileCommandHost {
public:
    FileDialogsHost(CMainFrame& frame, const LanguageTable& texts, FileDialogs dialogs);

    std::optional<QString> askOpenPath(const QString& filter) override;
    std::optional<QString> askSavePath(const SaveDialogRequest& request) override;
    SaveAnswer askSaveChanges(const QString& question, const QString& caption) override;
    void showOpenFailed(const QString& message, const QString& caption) override;
    void showWriteFailed(const QString& message, const QString& caption) override;
    void storePendingEdits() override;
    void programListReplaced() override;
    void recentMenuChanged(const std::vector<RecentMenuItem>& items) override;

    const FileDialogs& dialogs() const { return dialogs_; }

private:
    CMainFrame& frame_;
    const LanguageTable& texts_;
    FileDialogs dialogs_;
};

} // namespace tessel
