// What a screen reader announces for the main window's controls that show no
// label of their own, in the language in force.
#include "ui/mainframe/CMainFrame.h"

#include "i18n/LanguageTable.h"
#include "model/AppData.h"
#include "render/ScreenGeometry.h"
#include "ui/mainframe/ProgramView.h"
#include "ui/preview/LedViewWidget.h"
#include "ui/preview/PreviewDialog.h"
#include "ui/preview/PreviewForm.h"
#include "ui/property/PropertyForm.h"

#include <QFileInfo>
#include <QProgressBar>
#include <QTextEdit>

namespace tessel {

void CMainFrame::nameControls()
{
    treePane_->setAccessibleName(texts_.text(u"programList"));
    progressBar_->setAccessibleName(texts_.text(u"sendProgress"));
    previewPane_->previewDialog()->ledView()->setAccessibleName(texts_.text(u"previewTitle"));
    describePreview();
}

void CMainFrame::describePreview()
{
    const ScreenGeometry geometry = PreviewGeometry(data_.screenPara);
    const QString width = QString::number(geometry.columns);
    const QString height = QString::number(geometry.rows);
    const Program* program = treePane_->SelectedProgram();
    QString description;
    if (!program) {
        description = texts_.text(u"previewNoProgram").arg(width, height);
    } else {
        // The text as the editor shows it; a picture by its file's name.
        QString shown;
        if (program->type == static_cast<uint8_t>(ItemKind::Text)
            && propertyPane_->shownKind() == program->type)
            shown = propertyPane_->visibleEditor()->toPlainText();
        else if (const ImageItem* image = program->image())
            shown = QFileInfo(image->fileName).fileName();
        description = texts_.text(u"previewDescription").arg(program->name, shown, width, height);
    }
    previewPane_->previewDialog()->ledView()->setAccessibleDescription(description);
}

} // namespace tessel
