// The names a screen reader announces for the controls. A field takes the
// words of the label tied to it; a control without a label of its own gets
// a name from the language in force.
#pragma once

#include <QString>

class QComboBox;
class QLabel;
class QWidget;

namespace tessel {

// A label's text as the name of what it labels: without its access key and
// without its closing colon.
QString nameFromLabel(const QString& text);
// Names a drop-down list that has no visible label. Qt names a list on Linux
// by its current item and reads its label from the label tied to it, so the
// list gets a label that is never shown; called again, it is retexted.
void nameList(QComboBox& list, const QString& name);

} // namespace tessel
