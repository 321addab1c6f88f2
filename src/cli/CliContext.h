// What every command of tessel-cli starts from: the settings and texts the
// editor would have, and the program file read the way the editor opens it.
#pragma once

#include "i18n/LanguageTable.h"
#include "model/AppData.h"

#include <QString>

namespace tessel::cli {

struct CliContext {
    AppData data;
    LanguageTable texts;
};

// Settings from "app.xml" and the language file, found where the editor
// finds them, as the editor starts but without a command-line program file.
void initCliContext(CliContext& context);
// The same with the paths given.
void initCliContext(CliContext& context, const AppPaths& paths);

// Reads the program file named on the command line (relative to the working
// directory) into an empty list, through the same gate as the editor's Open;
// the current file name and folder follow it, the recent list and "app.xml"
// stay untouched. On failure prints "<path> 文件不存在或者内容出错！" on
// stderr. Returns ExitSuccess or ExitFailure.
int readProgramArgument(CliContext& context, const QString& argument);

// The stored form of a path named on the command line: absolute, without the
// settings folder's prefix for files beside "app.xml" (as the open dialog
// gives); no character of the name is changed.
QString programPathFromArgument(const CliContext& context, const QString& argument);

} // namespace tessel::cli
