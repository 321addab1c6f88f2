// The screen-parameter dialog: the presets and their order, the tool bar
// commands on the list and the current set, and the exchange with a
// simulated badge through the dialog's own link.
#include "ui/device/ScreenParaDialog.h"
#include "device/BadgeSimulator.h"
#include "device/HidLink.h"
#include "device/PolledLink.h"
#include "files/SettingsFile.h"
#include "i18n/LanguageTable.h"
#include "model/AppData.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

static void initScreenParaResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace tessel::testing {
namespace {

ScreenPara preset(const QString& name, uint8_t yIndex, uint16_t xIndex, uint8_t rgb = 0)
{
    ScreenPara para;
    para.name = name;
    para.yIndex = yIndex;
    para.xIndex = xIndex;
    para.rgb = rgb;
    return para;
}

std::vector<QString> names(const std::vector<ScreenPara>& presets)
{
    std::vector<QString> result;
    for (const ScreenPara& para : presets)
        result.push_back(para.name);
    return result;
}

QStringList items(const QComboBox& list)
{
    QStringList result;
    for (int i = 0; i < list.count(); ++i)
        result << list.itemText(i);
    return result;
}

class ScreenParaDialogTest : public ::testing::Test {
protected:
    ScreenParaDialogTest()
    {
        initScreenParaResources();
        data.paths = PortablePaths(folder.path());
        data.paths.dataDir = QStringLiteral(TESSEL_BIN_DIR "/");
        texts.load(data.paths.dataDir, data.lanID);
        data.screenParas = { preset(u"A"_qs, 0, 1), preset(u"B"_qs, 1, 2, 1), preset(u"C"_qs, 2, 13, 2) };
    }

    std::unique_ptr<ScreenParaDialog> open()
    {
        auto dialog = std::make_unique<ScreenParaDialog>(data, texts, link, nullptr);
        dialog->setOnApplied([this] { ++applied; });
        return dialog;
    }

    // Opens the dialog and closes it at once.
    void openAndClose() { open()->reject(); }

    QString cell(const ScreenParaDialog& dialog, int row, int column) const
    {
        return dialog.presetList()->item(row, column)->text();
    }

    // What the user does when picking a height.
    static void chooseHeight(ScreenParaDialog& dialog, int index)
    {
        QComboBox* heights = dialog.list(HeightListId);
        heights->setCurrentIndex(index);
        emit heights->activated(index);
    }

    static void clickRow(ScreenParaDialog& dialog, int row)
    {
        dialog.presetList()->selectRow(row);
        emit dialog.presetList()->clicked(dialog.presetList()->model()->index(row, 0));
    }

    QTemporaryDir folder;
    AppData data;
    LanguageTable texts;
    BadgeSimulator badge;
    PolledLink link { badge };
    int applied = 0;
};

TEST_F(ScreenParaDialogTest, OpeningShowsThePresetsReversedAndTheCurrentSet)
{
    auto dialog = open();
    EXPECT_EQ(dialog->windowTitle(), texts.text(u"screenParaTitle"));
    ASSERT_EQ(dialog->presetList()->rowCount(), 3);
    EXPECT_EQ(cell(*dialog, 0, NameColumn), u"C"_qs);
    EXPECT_EQ(cell(*dialog, 2, NameColumn), u"A"_qs);
    const QStringList row { cell(*dialog, 1, 0), cell(*dialog, 1, 1), cell(*dialog, 1, 2),
        cell(*dialog, 1, 3), cell(*dialog, 1, 4), cell(*dialog, 1, 5), cell(*dialog, 1, 6) };
    EXPECT_EQ(row, (QStringList { u"B"_qs, u"0"_qs, u"14"_qs, u"70"_qs, u"RG"_qs, u"Low"_qs, u"595"_qs }));
    QStringList headers;
    for (int column = 0; column < dialog->presetList()->columnCount(); ++column)
        headers << dialog->presetList()->horizontalHeaderItem(column)->text();
    EXPECT_EQ(headers, (QStringList { u"Name"_qs, u"ID"_qs, u"Height"_qs, u"Width"_qs, u"RGB"_qs, u"OE"_qs,
                           u"Driver"_qs }))
        << "the labels' texts without their colons";

    EXPECT_EQ(dialog->statusText(1), u"\tK9057R,0,12*48,R,Low,595"_qs);
    EXPECT_EQ(dialog->nameEdit()->text(), u"K9057R"_qs);
    EXPECT_EQ(dialog->list(HeightListId)->currentText(), u"12"_qs);
    const QComboBox* widths = dialog->list(WidthListId);
    EXPECT_EQ(widths->count(), 14);
    EXPECT_EQ(widths->itemText(0), u"36"_qs);
    EXPECT_EQ(widths->itemText(13), u"192"_qs);
    EXPECT_EQ(widths->currentText(), u"48"_qs);
}

TEST_F(ScreenParaDialogTest, EveryClosingReversesTheStoredOrderAndWritesTheFile)
{
    openAndClose();
    EXPECT_EQ(names(data.screenParas), (std::vector<QString> { u"C"_qs, u"B"_qs, u"A"_qs }));
    AppData reread;
    ASSERT_TRUE(loadSettings(reread, data.paths.appXmlPath));
    EXPECT_EQ(reread.screenParas, data.screenParas);

    openAndClose();
    EXPECT_EQ(names(data.screenParas), (std::vector<QString> { u"A"_qs, u"B"_qs, u"C"_qs }));
    EXPECT_EQ(data.screenParas[1], preset(u"B"_qs, 1, 2, 1));
    EXPECT_EQ(data.screenParas[2], preset(u"C"_qs, 2, 13, 2));
}

TEST_F(ScreenParaDialogTest, AddEditAndDeleteWorkOnTheRows)
{
    auto dialog = open();
    dialog->nameEdit()->setText(u"New"_qs);
    chooseHeight(*dialog, 1);
    EXPECT_EQ(items(*dialog->list(WidthListId)).last(), u"224"_qs);
    dialog->OnCommand(AddPresetCommand);
    ASSERT_EQ(dialog->presetList()->rowCount(), 4);
    EXPECT_EQ(cell(*dialog, 3, NameColumn), u"New"_qs);
    EXPECT_EQ(cell(*dialog, 3, WidthColumn), u"56"_qs);
    EXPECT_TRUE(dialog->presetList()->item(3, 0)->isSelected());
    EXPECT_EQ(dialog->presetList()->selectionModel()->selectedRows().size(), 1);

    dialog->list(OeListId)->setCurrentIndex(1);
    dialog->OnCommand(EditPresetCommand);
    EXPECT_EQ(cell(*dialog, 3, OeColumn), u"Hign"_qs);

    // Deleting "B" in the middle selects "A", which moved up, and shows it.
    clickRow(*dialog, 1);
    EXPECT_EQ(dialog->nameEdit()->text(), u"B"_qs);
    EXPECT_EQ(dialog->list(WidthListId)->currentText(), u"70"_qs);
    dialog->OnCommand(DeletePresetCommand);
    ASSERT_EQ(dialog->presetList()->rowCount(), 3);
    EXPECT_EQ(cell(*dialog, 1, NameColumn), u"A"_qs);
    EXPECT_TRUE(dialog->presetList()->item(1, 0)->isSelected());
    EXPECT_EQ(dialog->nameEdit()->text(), u"A"_qs);
    EXPECT_EQ(dialog->list(HeightListId)->currentText(), u"12"_qs);
    EXPECT_EQ(dialog->list(WidthListId)->currentText(), u"48"_qs);

    dialog->reject();
    EXPECT_EQ(names(data.screenParas), (std::vector<QString> { u"C"_qs, u"A"_qs, u"New"_qs }));
    ScreenPara added = preset(u"New"_qs, 1, 1);
    added.oe = 1;
    EXPECT_EQ(data.screenParas[2], added);
}

TEST_F(ScreenParaDialogTest, ApplySetsTheCurrentSetOnly)
{
    auto dialog = open();
    dialog->nameEdit()->setText(u"Wide"_qs);
    chooseHeight(*dialog, 2);
    dialog->list(WidthListId)->setCurrentIndex(2);
    dialog->list(RgbListId)->setCurrentIndex(1);
    dialog->list(IdListId)->setCurrentIndex(9);
    dialog->OnCommand(ApplyCommand);
    EXPECT_EQ(data.screenPara, (ScreenPara { u"Wide"_qs, 9, 2, 1, 0, 0, 2 }));
    EXPECT_EQ(dialog->statusText(1), u"\tWide,9,16*80,RG,Low,595"_qs);
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(badge.openCount(), 0);
    EXPECT_EQ(dialog->presetList()->rowCount(), 3);
}

TEST_F(ScreenParaDialogTest, ACurrentSetBeyondTheListsShowsTheNearestChoices)
{
    data.screenPara = ScreenPara { u"Odd"_qs, 255, 7, 9, 3, 4, 99 }; // from a damaged settings file
    auto dialog = open();
    EXPECT_EQ(dialog->list(IdListId)->currentText(), u"254"_qs);
    EXPECT_EQ(dialog->list(HeightListId)->currentText(), u"16"_qs);
    EXPECT_EQ(dialog->list(WidthListId)->currentText(), u"256"_qs);
    EXPECT_EQ(dialog->list(RgbListId)->currentText(), u"RGB"_qs);
    dialog->OnCommand(ApplyCommand);
    EXPECT_EQ(data.screenPara, (ScreenPara { u"Odd"_qs, 254, 2, 2, 1, 1, 13 }));
}

class ScreenParaExchangeDialogTest : public ScreenParaDialogTest { };

TEST_F(ScreenParaExchangeDialogTest, GetParametersShowsTheBadgesSet)
{
    badge.setScreenParameters({ 3, 14, 8, 0, 1, 1, 0, 64 });
    auto dialog = open();
    dialog->OnCommand(GetParametersCommand);
    EXPECT_EQ(dialog->statusText(0), u"\t"_qs + texts.msg(1));
    EXPECT_FALSE(dialog->toolBar()->isEnabled());
    link.deliverAll();

    EXPECT_EQ(dialog->nameEdit()->text(), QString());
    EXPECT_EQ(dialog->list(IdListId)->currentText(), u"3"_qs);
    EXPECT_EQ(dialog->list(HeightListId)->currentText(), u"14"_qs);
    EXPECT_EQ(items(*dialog->list(WidthListId)).first(), u"42"_qs);
    EXPECT_EQ(dialog->list(WidthListId)->currentText(), u"56"_qs); // 64 / 14 = 4 heights
    EXPECT_EQ(dialog->list(RgbListId)->currentText(), u"RG"_qs);
    EXPECT_EQ(dialog->list(OeListId)->currentText(), u"Hign"_qs);
    EXPECT_EQ(dialog->statusText(0), u"\t"_qs + texts.tip(1));
    EXPECT_TRUE(dialog->toolBar()->isEnabled());
    EXPECT_FALSE(link.isOpen());
    EXPECT_EQ(data.screenPara, ScreenPara {});
    EXPECT_EQ(dialog->presetList()->rowCount(), 3);

    EXPECT_TRUE(dialog->timerActive(StatusClearTimer));
    dialog->OnTimer(StatusClearTimer);
    EXPECT_EQ(dialog->statusText(0), QString());
}

TEST_F(ScreenParaExchangeDialogTest, SetParametersSendsTheChosenValues)
{
    badge.setPacketRecording(PacketRecording::On);
    auto dialog = open();
    chooseHeight(*dialog, 2);
    dialog->list(WidthListId)->setCurrentText(u"80"_qs);
    dialog->list(DataListId)->setCurrentIndex(1);
    dialog->OnCommand(SetParametersCommand);
    EXPECT_EQ(dialog->statusText(0), u"\t"_qs + texts.msg(2));
    link.deliverAll();

    EXPECT_EQ(badge.commandsReceived(), (std::vector<uint8_t> { 0x00, 0x06 }));
    EXPECT_EQ(badge.faultCount(), 0);
    QByteArray command;
    for (const RecordedPacket& packet : badge.recordedPackets())
        if (packet.direction == PacketDirection::ToBadge && uint8_t(packet.bytes[1]) == 0x06)
            command = packet.bytes;
    ASSERT_EQ(command.size(), 64);
    EXPECT_EQ(uint8_t(command[4]), 16);
    EXPECT_EQ(uint8_t(command[5]), 10);
    EXPECT_EQ(uint8_t(command[6]), 0);
    EXPECT_EQ(uint8_t(command[9]), 1);
    EXPECT_EQ(uint8_t(command[10]), 64);
    EXPECT_EQ(dialog->statusText(0), u"\t"_qs + texts.tip(2));
    EXPECT_EQ(data.screenPara, ScreenPara {});
}

TEST_F(ScreenParaExchangeDialogTest, AnAbsentBadgeFailsAtOnceAndASilentOneAfterTheHandshakeTimeOut)
{
    auto dialog = open();
    badge.setAttachment(Attachment::Absent);
    dialog->OnCommand(GetParametersCommand);
    EXPECT_EQ(dialog->statusText(0), u"\t"_qs + texts.tip(18));
    EXPECT_FALSE(dialog->timerActive(HandshakeTimer));
    EXPECT_TRUE(dialog->toolBar()->isEnabled());

    badge.setAttachment(Attachment::Attached);
    BadgeFaults silent;
    silent.silent = true;
    badge.setFaults(silent);
    dialog->OnCommand(SetParametersCommand);
    link.deliverAll();
    EXPECT_TRUE(dialog->timerActive(HandshakeTimer));
    EXPECT_FALSE(dialog->toolBar()->isEnabled());
    dialog->OnTimer(HandshakeTimer);
    EXPECT_EQ(dialog->statusText(0), u"\t"_qs + texts.tip(19));
    EXPECT_FALSE(dialog->timerActive(HandshakeTimer));
    EXPECT_TRUE(dialog->toolBar()->isEnabled());
    EXPECT_FALSE(link.isOpen());
    EXPECT_EQ(badge.commandsReceived(), (std::vector<uint8_t> { 0x00 }));
}

TEST_F(ScreenParaExchangeDialogTest, TheSerialInterfaceStartsNoExchange)
{
    data.commType = 1;
    auto dialog = open();
    dialog->OnCommand(GetParametersCommand);
    EXPECT_EQ(badge.openCount(), 0);
    EXPECT_TRUE(dialog->toolBar()->isEnabled());
}

TEST_F(ScreenParaExchangeDialogTest, OutcomesGoToAMessageBoxWhenChosen)
{
    data.afterExcute = 1;
    auto dialog = open();
    QString caption;
    QString text;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            caption = box->windowTitle();
            text = box->text();
            box->accept();
        }
    });
    dialog->OnCommand(GetParametersCommand);
    link.deliverAll();
    EXPECT_EQ(caption, texts.text(u"screenParaTitle"));
    EXPECT_EQ(text, texts.tip(1));
}

// The dialog's timers and a link with its reader thread, as the editor runs them.
TEST_F(ScreenParaExchangeDialogTest, RepliesArriveThroughTheReaderThread)
{
    badge.setScreenParameters({ 0, 14, 8, 0, 0, 0, 0, 64 });
    QObject replyTarget;
    HidLink threadedLink(badge, &replyTarget);
    ScreenParaDialog dialog(data, texts, threadedLink);
    dialog.OnCommand(GetParametersCommand);
    QElapsedTimer clock;
    clock.start();
    while (dialog.exchange().running() && clock.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(dialog.exchange().result(), ExchangeResult::ParametersRead);
    EXPECT_EQ(dialog.list(WidthListId)->currentText(), u"56"_qs);
    EXPECT_FALSE(threadedLink.isOpen());
}

} // namespace
} // namespace tessel::testing
