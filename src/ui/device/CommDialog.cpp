#include "ui/device/CommDialog.h"
#include "ui/ControlRect.h"

#include "i18n/LanguageTable.h"
#include "model/AppData.h"
#include "ui/FittedLayout.h"
#include "ui/AccessibleNames.h"
#include "ui/AccessKeys.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace tessel {

namespace {

constexpr QSize ClientSize(250, 150);
constexpr int HostIdCount = 256;
constexpr int SerialPortCount = 20; // "COM1" ... "COM20" after "AUTO"
constexpr uint8_t UsbInterface = 0;
constexpr uint8_t SerialInterface = 1;

// The group box caption sits on its frame's top line, as the controls'
// rectangles expect.
const QString GroupBoxStyle
    = QStringLiteral("QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 7px; }"
                     "QGroupBox::title { subcontrol-origin: margin; left: 7px; padding: 0 2px; }");

// A value from the file beyond the list leaves it without a selection.
void selectIndex(QComboBox& list, int index)
{
    list.setCurrentIndex(index < list.count() ? index : -1);
}

} // namespace

CommDialog::CommDialog(AppData& data, const LanguageTable& texts, QWidget* parent)
    : QDialog(parent)
    , data_(data)
{
    setWindowTitle(texts.text(u"commTitle"));
    setFixedSize(ClientSize);

    auto* hostLabel = new QLabel(texts.text(u"hostID"), this);
    hostLabel->setGeometry(edges(18, 10, 93, 30));
    hostList_ = new QComboBox(this);
    hostList_->setGeometry(edges(120, 10, 190, 30));
    for (int id = 0; id < HostIdCount; ++id)
        hostList_->addItem(QString::number(id));
    hostLabel->setBuddy(hostList_);

    // The buttons and the port list are the group's siblings, drawn over it.
    auto* group = new QGroupBox(texts.text(u"commMode"), this);
    group->setStyleSheet(GroupBoxStyle);
    group->setGeometry(edges(10, 35, 240, 105));
    usbButton_ = new QRadioButton(texts.text(u"usbPort"), this);
    usbButton_->setGeometry(edges(18, 50, 232, 70));
    serialButton_ = new QRadioButton(texts.text(u"serialPort"), this);
    serialButton_->setGeometry(edges(18, 75, 98, 95));
    portList_ = new QComboBox(this);
    portList_->setGeometry(edges(120, 75, 190, 95));
    portList_->addItem(QStringLiteral("AUTO"));
    for (int port = 1; port <= SerialPortCount; ++port)
        portList_->addItem(QStringLiteral("COM%1").arg(port));
    // The serial button beside it says what the list chooses.
    nameList(*portList_, withoutAccessKey(texts.text(u"serialPort")));

    okButton_ = new QPushButton(texts.text(u"ok"), this);
    okButton_->setGeometry(edges(30, 115, 100, 135));
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(texts.text(u"cancel"), this);
    cancelButton_->setGeometry(edges(150, 115, 220, 135));

    selectIndex(*hostList_, data.hostID);
    selectIndex(*portList_, data.commIndex);
    // Any other interface value selects neither button.
    usbButton_->setChecked(data.commType == UsbInterface);
    serialButton_->setChecked(data.commType == SerialInterface);
    portList_->setVisible(data.commType == SerialInterface);

    connect(usbButton_, &QRadioButton::clicked, portList_, &QWidget::hide);
    connect(serialButton_, &QRadioButton::clicked, portList_, &QWidget::show);
    connect(okButton_, &QPushButton::clicked, this, [this] {
        storeSettings();
        accept();
    });
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    FittedLayout::fitWindow(*this);
}

void CommDialog::storeSettings()
{
    // A list without a selection keeps its setting.
    if (hostList_->currentIndex() >= 0)
        data_.hostID = static_cast<uint8_t>(hostList_->currentIndex());
    if (portList_->currentIndex() >= 0)
        data_.commIndex = static_cast<uint8_t>(portList_->currentIndex());
    data_.commType = usbButton_->isChecked() ? UsbInterface : SerialInterface;
}

} // namespace tessel
