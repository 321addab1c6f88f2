#include "ui/property/InsertImageDialog.h"

#include "ui/property/InsertImageDialogPage.h"

#include <QTabWidget>
#include <algorithm>

namespace tessel {

namespace {

constexpr int IconSizes[] = { 12, 14, 16 };
const char* const TabTitles[] = { "12*12", "14*14", "16*16" };

} // namespace

// The pages lie over the tab control's page area: its rectangle less 5
// pixels at the left, right and bottom and 22 pixels at the top. Being
// children of the window, they move with it. Qt centres a dialog on its
// owner when it is first shown.
InsertImageDialog::InsertImageDialog(const QString& dataDir, QWidget* parent)
    : QDialog(parent)
{
    setModal(false);
    setFixedSize(260, 277);
    tabs_ = new QTabWidget(this);
    tabs_->setGeometry(5, 5, 250, 267);
    const QRect pageArea = tabs_->geometry().adjusted(5, 22, -5, -5);
    for (size_t i = 0; i < pages_.size(); ++i) {
        tabs_->addTab(new QWidget, QString::fromLatin1(TabTitles[i]));
        auto* page = new InsertImageDialogPage(IconSizes[i], dataDir, this);
        page->setGeometry(pageArea);
        connect(page, &InsertImageDialogPage::iconClicked, this, [this](const QString& code) {
            if (insertTarget_)
                insertTarget_(code);
        });
        pages_[i] = page;
    }
    connect(tabs_, &QTabWidget::currentChanged, this, &InsertImageDialog::showPage);
    showPage(0);
}

void InsertImageDialog::setInsertTarget(InsertTarget target)
{
    insertTarget_ = std::move(target);
}

InsertImageDialogPage* InsertImageDialog::page(int tab) const
{
    if (tab < 0 || tab >= static_cast<int>(pages_.size()))
        return nullptr;
    return pages_[static_cast<size_t>(tab)];
}

void InsertImageDialog::showForHeight(uint8_t yIndex)
{
    const int tab = std::min<int>(yIndex, static_cast<int>(pages_.size()) - 1);
    tabs_->setCurrentIndex(tab);
    showPage(tab);
    show();
    raise();
    activateWindow();
    // The arrows work at once; Escape closes the window, as any dialog's.
    pages_[static_cast<size_t>(tab)]->focusCurrentIcon();
}

void InsertImageDialog::showPage(int tab)
{
    for (size_t i = 0; i < pages_.size(); ++i)
        pages_[i]->setVisible(static_cast<int>(i) == tab);
    if (tab >= 0 && tab < static_cast<int>(pages_.size()))
        pages_[static_cast<size_t>(tab)]->raise();
}

} // namespace tessel
