// The communication settings dialog: its lists, the port list that only the
// serial interface shows, and what OK and cancel store.
#include "ui/device/CommDialog.h"
#include "i18n/LanguageTable.h"
#include "model/AppData.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace tessel::testing {
namespace {

class CommDialogTest : public ::testing::Test {
protected:
    CommDialogTest() { texts.load(QStringLiteral(TESSEL_BIN_DIR "/"), 1033); }

    AppData data;
    LanguageTable texts;
};

TEST_F(CommDialogTest, OpeningSelectsTheSettingsAndOnlyTheSerialPortShowsItsList)
{
    data.hostID = 255;
    data.commIndex = 20;
    CommDialog usb(data, texts);
    EXPECT_EQ(usb.windowTitle(), texts.text(u"commTitle"));
    EXPECT_EQ(usb.hostList()->currentText(), u"255"_qs);
    EXPECT_EQ(usb.portList()->currentText(), u"COM20"_qs);
    EXPECT_TRUE(usb.usbButton()->isChecked());
    EXPECT_TRUE(usb.portList()->isHidden());
    usb.serialButton()->click();
    EXPECT_FALSE(usb.portList()->isHidden());
    usb.usbButton()->click();
    EXPECT_TRUE(usb.portList()->isHidden());

    data.commType = 1;
    CommDialog serial(data, texts);
    EXPECT_TRUE(serial.serialButton()->isChecked());
    EXPECT_FALSE(serial.portList()->isHidden());

    data.commType = 4;
    CommDialog neither(data, texts);
    EXPECT_FALSE(neither.usbButton()->isChecked());
    EXPECT_FALSE(neither.serialButton()->isChecked());
    EXPECT_TRUE(neither.portList()->isHidden());
}

TEST_F(CommDialogTest, OkStoresTheChoicesAndCancelNothing)
{
    {
        CommDialog dialog(data, texts);
        dialog.hostList()->setCurrentIndex(7);
        dialog.serialButton()->click();
        dialog.portList()->setCurrentIndex(3);
        dialog.cancelButton()->click();
    }
    EXPECT_EQ(data.hostID, 0);
    EXPECT_EQ(data.commType, 0);
    EXPECT_EQ(data.commIndex, 0);

    CommDialog dialog(data, texts);
    dialog.hostList()->setCurrentIndex(7);
    dialog.serialButton()->click();
    dialog.portList()->setCurrentIndex(3);
    dialog.okButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(data.hostID, 7);
    EXPECT_EQ(data.commType, 1);
    EXPECT_EQ(data.commIndex, 3);

    CommDialog again(data, texts);
    again.usbButton()->click();
    again.okButton()->click();
    EXPECT_EQ(data.commType, 0);
    EXPECT_EQ(data.commIndex, 3); // kept for the serial port
}

TEST_F(CommDialogTest, APortBeyondTheListSurvivesOk)
{
    data.commIndex = 40; // from a damaged settings file
    CommDialog dialog(data, texts);
    EXPECT_EQ(dialog.portList()->currentIndex(), -1);
    dialog.okButton()->click();
    EXPECT_EQ(data.commIndex, 40);
}

} // namespace
} // namespace tessel::testing
