// The software options dialog: the lists show the options, OK stores the
// choices and cancel stores nothing.
#include "ui/dialogs/SoftwareOptionDialog.h"
#include "i18n/LanguageTable.h"
#include "model/AppData.h"

#include <QComboBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace tessel::testing {
namespace {

class SoftwareOptionDialogTest : public ::testing::Test {
protected:
    SoftwareOptionDialogTest() { texts.load(QStringLiteral(TESSEL_BIN_DIR "/"), 1033); }

    QComboBox* list(SoftwareOptionDialog& dialog, SoftwareOption option) { return dialog.optionList(option); }

    AppData data;
    LanguageTable texts;
};

TEST_F(SoftwareOptionDialogTest, OkStoresEveryListAndCancelNone)
{
    data.trimSpace = 2;
    {
        SoftwareOptionDialog dialog(data, texts);
        EXPECT_EQ(dialog.windowTitle(), texts.text(u"softwareOptionTitle"));
        EXPECT_EQ(
            list(dialog, SoftwareOption::TrimSpace)->currentText(), texts.matrix(u"trimSpaceMatrix", 2));
        EXPECT_EQ(list(dialog, SoftwareOption::Update)->count(), 3);
        list(dialog, SoftwareOption::TrimSpace)->setCurrentIndex(0);
        list(dialog, SoftwareOption::BeforeClose)->setCurrentIndex(1);
        list(dialog, SoftwareOption::Update)->setCurrentIndex(2);
        dialog.cancelButton()->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(data.trimSpace, 2);
    EXPECT_EQ(data.beforeClose, 0);
    EXPECT_EQ(data.afterExcute, 0);
    EXPECT_EQ(data.update, 0);

    SoftwareOptionDialog dialog(data, texts);
    list(dialog, SoftwareOption::TrimSpace)->setCurrentIndex(0);
    list(dialog, SoftwareOption::AfterExcute)->setCurrentIndex(1);
    list(dialog, SoftwareOption::Update)->setCurrentIndex(2);
    dialog.okButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(data.trimSpace, 0);
    EXPECT_EQ(data.beforeClose, 0);
    EXPECT_EQ(data.afterExcute, 1);
    EXPECT_EQ(data.update, 2);
}

TEST_F(SoftwareOptionDialogTest, AValueWithoutAnItemSurvivesOk)
{
    data.trimSpace = 9; // from a damaged settings file
    SoftwareOptionDialog dialog(data, texts);
    EXPECT_EQ(list(dialog, SoftwareOption::TrimSpace)->currentIndex(), -1);
    dialog.okButton()->click();
    EXPECT_EQ(data.trimSpace, 9);
}

} // namespace
} // namespace tessel::testing
