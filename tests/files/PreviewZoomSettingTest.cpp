// The preview's zoom in "app.xml": an element of its own after all others.
#include "files/SettingsFile.h"
#include "FilesTestSupport.h"
#include "model/AppData.h"

#include <gtest/gtest.h>

using namespace tessel;
using namespace tessel::test;

namespace {

const QByteArray Head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Records>\r\n";
const QByteArray Tail = "</Records>\r\n";

} // namespace

TEST(PreviewZoomSetting, SurvivesARestartAndLeavesTheOtherElementsFindable)
{
    TempFolder folder;
    AppData data;
    initSettings(data, PortablePaths(folder.path()));
    // Until the user picks one, the zoom fits the pane.
    EXPECT_EQ(data.previewZoom, FittedPreviewZoom);
    data.previewZoom = 12;
    data.bright = 2;
    data.screenPara.yIndex = 2;
    data.recentFiles = { { "a.led", "/d/" } };
    ASSERT_TRUE(saveSettings(data));
    const QByteArray written = readBytes(folder.file("app.xml"));
    EXPECT_TRUE(written.endsWith("<Preview zoom=\"12\"/>\r\n" + Tail));

    AppData read;
    initSettings(read, PortablePaths(folder.path()));
    EXPECT_EQ(read.previewZoom, 12);
    EXPECT_EQ(read.bright, 2);
    EXPECT_EQ(read.screenPara.yIndex, 2);
    EXPECT_EQ(read.recentFiles.size(), 1u);
}

TEST(PreviewZoomSetting, OlderFilesAndOddValuesGiveAZoomInRangeOrTheFittedOne)
{
    TempFolder folder;
    const QByteArray para = "<ScreenPara name=\"K\" id=\"0\" yIndex=\"1\" rgb=\"0\" oe=\"0\" polarity=\"0\" "
                            "xIndex=\"1\"/>\r\n";
    const std::pair<QByteArray, int> cases[] = {
        { para, FittedPreviewZoom }, // written before the zoom existed
        { para + "<Preview zoom=\"40\"/>\r\n", 16 },
        { para + "<Preview zoom=\"1\"/>\r\n", 1 },
        { para + "<Preview zoom=\"-3\"/>\r\n", FittedPreviewZoom },
        { para + "<Preview/>\r\n", FittedPreviewZoom },
        { "<Preview zoom=\"5\"/>\r\n" + para, FittedPreviewZoom }, // before ScreenPara: the forward search passed it
    };
    for (const auto& [body, zoom] : cases) {
        writeBytes(folder.file("app.xml"), Head + body + Tail);
        AppData data;
        initSettings(data, PortablePaths(folder.path()));
        EXPECT_EQ(data.previewZoom, zoom) << body.constData();
        EXPECT_EQ(data.screenPara.yIndex, 1) << body.constData();
    }
}
