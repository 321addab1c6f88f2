#include "ui/dialogs/AboutDialog.h"

#include "TesselVersion.h"
#include "i18n/LanguageTable.h"
#include "ui/AccessKeys.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

namespace tessel {

namespace {

const QString ProgramName = QStringLiteral("Tessel");
constexpr int IconSize = 64;

QLabel* addLine(QVBoxLayout& column, const QString& text, QWidget* owner)
{
    auto* line = new QLabel(text, owner);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column.addWidget(line);
    return line;
}

} // namespace

AboutDialog::AboutDialog(const LanguageTable& texts, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(texts.textOr(u"aboutTitle", withoutAccessKey(texts.text(u"about"))));

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/app/tessel.svg")).pixmap(IconSize, IconSize));
    icon->setAlignment(Qt::AlignTop);

    auto* column = new QVBoxLayout;
    QLabel* name = addLine(*column, ProgramName, this);
    QFont nameFont = name->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.4);
    name->setFont(nameFont);
    addLine(*column,
        texts.textOr(u"aboutVersion", QStringLiteral("Version %1")).arg(isolated(QStringLiteral(TESSEL_VERSION))), this);
    if (const QString badge = texts.tip(37); !badge.isEmpty())
        addLine(*column, badge, this);
    addLine(*column,
        texts.textOr(u"aboutLicence",
            QStringLiteral("Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later)")),
        this);
    column->addStretch();

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addLayout(column, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace tessel
