#include "ui/dialogs/SoftwareOptionDialog.h"
#include "ui/ControlRect.h"

#include "i18n/LanguageTable.h"
#include "model/AppData.h"
#include "ui/FittedLayout.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace tessel {

namespace {

constexpr QSize ClientSize(250, 245);

struct OptionRow {
    const char16_t* labelKey;
    const char16_t* itemFamily; // items "<family>0", "<family>1", ...
    int itemCount;
    uint8_t AppData::*value;
};

constexpr std::array<OptionRow, SoftwareOptionCount> Rows { {
    { u"beforeClose", u"beforeCloseMatrix", 2, &AppData::beforeClose },
    { u"afterExcute", u"afterExcuteMatrix", 2, &AppData::afterExcute },
    { u"trimSpace", u"trimSpaceMatrix", 3, &AppData::trimSpace },
    { u"softwareUpdate", u"softwareUpdateMatrix", 3, &AppData::update },
} };

constexpr int RowTop = 10;
constexpr int RowPitch = 50; // label, then its list 25 lower

} // namespace

SoftwareOptionDialog::SoftwareOptionDialog(AppData& data, const LanguageTable& texts, QWidget* parent)
    : QDialog(parent)
    , data_(data)
{
    setWindowTitle(texts.text(u"softwareOptionTitle"));
    setFixedSize(ClientSize);

    for (int row = 0; row < SoftwareOptionCount; ++row) {
        const OptionRow& option = Rows[row];
        const int top = RowTop + row * RowPitch;
        auto* label = new QLabel(texts.text(option.labelKey), this);
        label->setGeometry(edges(10, top, 240, top + 20));
        // Only the first label is centred vertically; the others sit at the top.
        label->setAlignment(row == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignTop);

        auto* list = new QComboBox(this);
        list->setGeometry(edges(10, top + 25, 240, top + 45));
        label->setBuddy(list);
        for (int item = 0; item < option.itemCount; ++item)
            list->addItem(texts.matrix(option.itemFamily, item));
        // A value from the file that has no item leaves the list without a selection.
        const int value = data.*option.value;
        list->setCurrentIndex(value < option.itemCount ? value : -1);
        lists_[row] = list;
    }

    okButton_ = new QPushButton(texts.text(u"ok"), this);
    okButton_->setGeometry(edges(30, 215, 100, 235));
    cancelButton_ = new QPushButton(texts.text(u"cancel"), this);
    cancelButton_->setGeometry(edges(150, 215, 220, 235));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, [this] {
        storeOptions();
        accept();
    });
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    FittedLayout::fitWindow(*this);
}

void SoftwareOptionDialog::storeOptions()
{
    for (int row = 0; row < SoftwareOptionCount; ++row) {
        // A list without a selection keeps the option's value.
        const int index = lists_[row]->currentIndex();
        if (index >= 0)
            data_.*Rows[row].value = static_cast<uint8_t>(index);
    }
}

} // namespace tessel
