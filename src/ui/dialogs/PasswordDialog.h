// The access prompt in front of the screen parameters: only the fixed access
// code lets the caller go on.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tessel {

class LanguageTable;

class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    // What exec() returns.
    enum Outcome : int {
        CodeRight = 1,
        CodeWrong = 2,
        Cancelled = 8,
    };

    PasswordDialog(const LanguageTable& texts, QWidget* parent = nullptr);

    QLineEdit* codeEdit() const { return codeEdit_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

    // Escape and the window's close button cancel, as the cancel button does.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void checkCode();

    QLineEdit* codeEdit_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace tessel
