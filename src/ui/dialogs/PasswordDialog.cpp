#include "ui/dialogs/PasswordDialog.h"
#include "ui/ControlRect.h"

#include "i18n/LanguageTable.h"
#include "ui/FittedLayout.h"
#include "ui/ThemedIcon.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tessel {

namespace {

const QString AccessCode = QStringLiteral("739");
constexpr int MaxCodeLength = 16;
constexpr QSize ClientSize(300, 110);
constexpr QSize LockSize(16, 16);

bool isEnterKey(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

} // namespace

PasswordDialog::PasswordDialog(const LanguageTable& texts, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(texts.text(u"passTitle"));
    setFixedSize(ClientSize);

    auto* lock = new QLabel(this);
    lock->setGeometry(edges(15, 17, 31, 33));
    lock->setAlignment(Qt::AlignCenter);
    lock->setPixmap(paletteIcon(QStringLiteral(":/dialog/lock.svg"), palette()).pixmap(LockSize));

    auto* tip = new QLabel(texts.text(u"passTip"), this);
    tip->setGeometry(edges(36, 15, 276, 35));
    auto* label = new QLabel(texts.text(u"pass"), this);
    label->setGeometry(edges(23, 45, 63, 65));

    codeEdit_ = new QLineEdit(this);
    codeEdit_->setGeometry(edges(68, 45, 276, 65));
    codeEdit_->setMaxLength(MaxCodeLength);
    label->setBuddy(codeEdit_);
    codeEdit_->setEchoMode(QLineEdit::Password);
    // Every character shows as "*", whatever the style would draw.
    codeEdit_->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    connect(codeEdit_, &QLineEdit::returnPressed, this, &PasswordDialog::checkCode);

    okButton_ = new QPushButton(texts.text(u"ok"), this);
    okButton_->setGeometry(edges(126, 75, 196, 95));
    cancelButton_ = new QPushButton(texts.text(u"cancel"), this);
    cancelButton_->setGeometry(edges(206, 75, 276, 95));
    // Enter acts from the edit field only: no button takes it as a click.
    for (QPushButton* button : { okButton_, cancelButton_ }) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(okButton_, &QPushButton::clicked, this, &PasswordDialog::checkCode);
    connect(cancelButton_, &QPushButton::clicked, this, [this] { done(Cancelled); });
    FittedLayout::fitWindow(*this);

    codeEdit_->setFocus();
}

void PasswordDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    activateWindow();
    codeEdit_->setFocus();
}

void PasswordDialog::checkCode()
{
    done(codeEdit_->text() == AccessCode ? CodeRight : CodeWrong);
}

void PasswordDialog::reject()
{
    done(Cancelled);
}

void PasswordDialog::keyPressEvent(QKeyEvent* event)
{
    // The edit field answers Enter itself; anywhere else it is swallowed.
    if (isEnterKey(*event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace tessel
