#include "ui/mainframe/FileDialogsHost.h"

#include "ui/mainframe/CMainFrame.h"
#include "ui/mainframe/FileTypeFilter.h"

#include <QFileDialog>
#include <QMessageBox>

namespace tessel {

namespace {

std::optional<QString> runOpenDialog(QWidget* parent, const QString& filter)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(filter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> runSaveDialog(QWidget* parent, const SaveDialogRequest& request)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.initialFolder.isEmpty())
        dialog.setDirectory(request.initialFolder);
    dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

SaveAnswer runSaveQuestion(QWidget* parent, const QString& question, const QString& caption)
{
    const auto answer = QMessageBox::question(parent, caption, question,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    switch (answer) {
    case QMessageBox::Yes:
        return SaveAnswer::Yes;
    case QMessageBox::No:
        return SaveAnswer::No;
    default:
        return SaveAnswer::Cancel;
    }
}

void runWarning(QWidget* parent, const QString& message, const QString& caption)
{
    QMessageBox::warning(parent, caption, message);
}

} // namespace

FileDialogs FileDialogs::standard()
{
    return { runOpenDialog, runSaveDialog, runSaveQuestion, runWarning, runWarning };
}

FileDialogsHost::FileDialogsHost(CMainFrame& frame, const LanguageTable& texts, FileDialogs dialogs)
    : frame_(frame)
    , texts_(texts)
    , dialogs_(std::move(dialogs))
{
}

std::optional<QString> FileDialogsHost::askOpenPath(const QString& filter)
{
    return dialogs_.askOpenPath(&frame_, localFileFilter(filter, texts_));
}

std::optional<QString> FileDialogsHost::askSavePath(const SaveDialogRequest& request)
{
    SaveDialogRequest local = request;
    local.filter = localFileFilter(request.filter, texts_);
    return dialogs_.askSavePath(&frame_, local);
}

SaveAnswer FileDialogsHost::askSaveChanges(const QString& question, const QString& caption)
{
    return dialogs_.askSaveChanges(&frame_, question, caption);
}

void FileDialogsHost::showOpenFailed(const QString& message, const QString& caption)
{
    dialogs_.showOpenFailed(&frame_, message, caption);
}

void FileDialogsHost::showWriteFailed(const QString& message, const QString& caption)
{
    dialogs_.showWriteFailed(&frame_, message, caption);
}

void FileDialogsHost::storePendingEdits()
{
    frame_.storePendingEdits();
}

void FileDialogsHost::programListReplaced()
{
    frame_.programListReplaced();
}

void FileDialogsHost::recentMenuChanged(const std::vector<RecentMenuItem>& items)
{
    frame_.setRecentMenu(items);
}

} // namespace tessel
