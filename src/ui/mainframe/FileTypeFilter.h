// The file-type filters of the file dialogs in the language in force: the
// type's name comes from the language file, its patterns stay as given
// ("Program file(*.led)" becomes "Programmdateien (*.led)" in German).
#pragma once

#include <QString>

namespace tessel {

class LanguageTable;

// The filter unchanged when its patterns name no known type or the
// language file has no name for it.
QString localFileFilter(const QString& filter, const LanguageTable& texts);

} // namespace tessel
