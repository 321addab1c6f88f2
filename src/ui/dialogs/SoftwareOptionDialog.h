// The software options: what to do before closing, where device outcomes are
// shown, the space around scrolling text and the update check. The dialog
// changes AppData only on OK; the settings file gets the values with the next
// settings write.
#pragma once

#include <QDialog>
#include <array>

class QComboBox;
class QPushButton;

namespace tessel {

class AppData;
class LanguageTable;

// The four lists, in their order on screen.
enum class SoftwareOption { BeforeClose, AfterExcute, TrimSpace, Update };
constexpr int SoftwareOptionCount = 4;

class SoftwareOptionDialog : public QDialog {
    Q_OBJECT
public:
    SoftwareOptionDialog(AppData& data, const LanguageTable& texts, QWidget* parent = nullptr);

    QComboBox* optionList(SoftwareOption option) const { return lists_[static_cast<int>(option)]; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

private:
    void storeOptions();

    AppData& data_;
    std::array<QComboBox*, SoftwareOptionCount> lists_ {};
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace tessel
