// The About box of the help menu: the program's name and icon, its version,
// the badge editor's own line from the language file, and the licence.
#pragma once

#include <QDialog>

namespace tessel {

class LanguageTable;

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // Reads its texts when it is made: an open box keeps them.
    AboutDialog(const LanguageTable& texts, QWidget* parent = nullptr);
};

} // namespace tessel
