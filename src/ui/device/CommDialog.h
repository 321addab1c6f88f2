// The communication settings: the host identifier written into every packet
// and the interface that reaches the badge (USB, or a serial port with its
// number). The dialog changes AppData only on OK.
#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;
class QRadioButton;

namespace tessel {

class AppData;
class LanguageTable;

class CommDialog : public QDialog {
    Q_OBJECT
public:
    CommDialog(AppData& data, const LanguageTable& texts, QWidget* parent = nullptr);

    QComboBox* hostList() const { return hostList_; }
    QComboBox* portList() const { return portList_; }
    QRadioButton* usbButton() const { return usbButton_; }
    QRadioButton* serialButton() const { return serialButton_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

private:
    void storeSettings();

    AppData& data_;
    QComboBox* hostList_ = nullptr;
    QComboBox* portList_ = nullptr;
    QRadioButton* usbButton_ = nullptr;
    QRadioButton* serialButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace tessel
