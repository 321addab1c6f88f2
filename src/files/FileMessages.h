// The texts the file commands show: from the language file where it holds
// them, otherwise fixed by language identifier.
#pragma once

#include <QString>
#include <cstdint>

namespace tessel {

class AppData;
class LanguageTable;

// The caption of the save question and of write failures.
inline const QString SaveCaption = QStringLiteral("K9057R");
// The caption of the failed-open message.
inline const QString OpenFailedCaption = QStringLiteral("Dovrel");

// "Do you save changes to ...?" with currentPath, or with fileName while the
// list was never saved; in Chinese for 1028, 2052 and 3076.
QString saveQuestion(const AppData& data);

// "%s 文件不存在或者内容出错！" with the path.
QString openFailedMessage(const QString& path);

// That the file at the path could not be written, with the system's reason
// when one is known.
QString writeFailedMessage(int32_t lanID, const QString& path, const QString& reason);

// That the settings cannot be kept at appXmlPath, in the words of the
// table's "settingsNotKept" (English when the language file lacks it), with
// the reason on a line of its own.
QString settingsNotKeptMessage(const AppData& data, const LanguageTable& texts, const QString& reason);

// That the settings file at appXmlPath exists but cannot be read, so the
// editor starts with the default settings; the reason on a line of its own.
QString settingsUnreadableMessage(const AppData& data, const LanguageTable& texts, const QString& reason);

// That the program file is damaged or cut off and only what could be read
// is shown.
QString programFileDamagedMessage(const LanguageTable& texts, const QString& path);

// The same texts in the words of the language file; each falls back to the
// fixed text above when the file does not hold its key.
QString saveQuestion(const AppData& data, const LanguageTable& texts);
QString openFailedMessage(const QString& path, const LanguageTable& texts);
QString openFailedCaption(const LanguageTable& texts);
QString writeFailedMessage(
    const LanguageTable& texts, int32_t lanID, const QString& path, const QString& reason);

} // namespace tessel
