// What the file commands need from the main window: dialogs, questions,
// messages and notices that the views must follow the model.
#pragma once

#include "files/RecentFiles.h"

#include <QString>
#include <optional>
#include <vector>

namespace tessel {

enum class SaveAnswer { Yes, No, Cancel };

struct SaveDialogRequest {
    QString filter; // "program file(*.led)"
    QString defaultSuffix; // "led", added when the user types no extension
    QString initialName;
    QString initialFolder; // a file system folder
};

class FileCommandHost {
public:
    virtual ~FileCommandHost() = default;

    // The open-file dialog (the file must exist, no read-only box) with the
    // filter "Program file(*.led)": the chosen full path, or nothing on Cancel.
    virtual std::optional<QString> askOpenPath(const QString& filter) = 0;
    // The save-file dialog (overwrite prompt, no read-only box): the chosen
    // full path, or nothing on Cancel.
    virtual std::optional<QString> askSavePath(const SaveDialogRequest& request) = 0;
    // The save question: question icon, Yes, No and Cancel.
    virtual SaveAnswer askSaveChanges(const QString& question, const QString& caption) = 0;
    // Exclamation icon and OK.
    virtual void showOpenFailed(const QString& message, const QString& caption) = 0;
    // A program file or the settings file could not be written.
    virtual void showWriteFailed(const QString& message, const QString& caption) = 0;
    // The property pane writes its pending edits into the selected program.
    virtual void storePendingEdits() = 0;
    // The program list was replaced or emptied: refill the tree.
    virtual void programListReplaced() = 0;
    // The recent-file submenu from top to bottom.
    virtual void recentMenuChanged(const std::vector<RecentMenuItem>& items) = 0;
};

} // namespace tessel
