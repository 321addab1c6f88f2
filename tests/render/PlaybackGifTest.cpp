#include "render/PlaybackGif.h"
#include "support/GifFrames.h"

#include "RenderFixtures.h"
#include "render/LedView.h"

#include <QBuffer>
#include <QImageReader>

using namespace tessel;
using namespace tessel::test;

namespace {

using tessel::test::GifFrame;
using tessel::test::readGif;

class PlaybackGifTest : public ::testing::Test {
protected:
    Program& addImage(const QImage& picture, uint8_t action)
    {
        const QString file = folder.path(QStringLiteral("p%1.png").arg(data.programs.size()));
        EXPECT_TRUE(picture.save(file));
        auto program = std::make_unique<Program>();
        program->type = uint8_t(ItemKind::Image);
        program->item = newProgramItem(program->type);
        program->image()->fileName = file;
        program->image()->action = action;
        // 60 ms a step and 240 ms a border step: every change on a
        // hundredth of a second, as the GIF counts.
        program->image()->speed = 0;
        return *data.adoptProgram(std::move(program));
    }

    QByteArray gif(const BadgePlayback& playback, int zoom, PlaybackGifResult* result = nullptr)
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        const PlaybackGifResult written = WritePlaybackGif(playback, zoom, buffer);
        EXPECT_EQ(written.error, PlaybackGifError::None);
        if (result)
            *result = written;
        return buffer.data();
    }

    AppData data;
    AppFolder folder;
    ScreenGeometry screen = geometry(12, 48, 1);
};

} // namespace

TEST_F(PlaybackGifTest, FramesAtZoomOneAreThePlayback)
{
    QImage picture = filled(70, 12, Black);
    for (int x = 0; x < 70; x += 3)
        picture.setPixel(x, x % 12, x % 2 ? qRgb(255, 255, 0) : qRgb(0, 255, 0));
    addImage(picture, 2);
    Program& bordered = addImage(picture, 28);
    bordered.borderType = 1;
    bordered.borderAspect = 1;
    bordered.image()->exitType = 1;
    const BadgePlayback playback = BadgePlayback::OfList(data, screen, folder.exeDir());

    PlaybackGifResult result;
    const std::vector<GifFrame> frames = readGif(gif(playback, 1, &result));
    ASSERT_EQ(int(frames.size()), result.frames);
    ASSERT_GT(frames.size(), 100u);
    int64_t time = 0;
    for (size_t i = 0; i < frames.size(); ++i) {
        ASSERT_EQ(frames[i].picture, playback.ledsAt(time)) << "frame " << i << " at " << time;
        if (i > 0) {
            EXPECT_NE(frames[i].picture, frames[i - 1].picture) << "frame " << i;
        }
        time += frames[i].delayMs;
    }
    EXPECT_EQ(time, playback.duration());
    EXPECT_FALSE(result.cutShort);
}

TEST_F(PlaybackGifTest, FastEffectsKeepTheirPaceInHundredths)
{
    addImage(filled(48, 12, qRgb(255, 0, 0)), 13).image()->speed = 5; // 10 ms a step
    const BadgePlayback playback = BadgePlayback::OfList(data, screen, folder.exeDir());
    const std::vector<GifFrame> frames = readGif(gif(playback, 8));
    ASSERT_FALSE(frames.empty());
    // Every picture in the LED look of the view, its colours exact.
    int64_t time = 0;
    for (const GifFrame& frame : frames) {
        EXPECT_GE(frame.delayMs, MinGifDelay * 10);
        EXPECT_EQ(frame.picture, DrawLedView(playback.ledsAt(time), 8, 0)) << time;
        time += frame.delayMs;
    }
    EXPECT_EQ(time, playback.duration());
    EXPECT_EQ(frames.front().picture.size(), LedViewSize(QSize(48, 12), 8));
}

TEST_F(PlaybackGifTest, NothingToPlayWritesNothing)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_EQ(WritePlaybackGif(BadgePlayback(), 1, buffer).error, PlaybackGifError::NothingToPlay);
    EXPECT_TRUE(buffer.data().isEmpty());
    // The largest screen at zoom 16 would be a picture of 534 MB.
    addImage(filled(10, 12, qRgb(255, 0, 0)), 0);
    const BadgePlayback wide = BadgePlayback::OfList(data, geometry(255, 2047), folder.exeDir());
    EXPECT_EQ(WritePlaybackGif(wide, 16, buffer).error, PlaybackGifError::TooLarge);
    EXPECT_TRUE(buffer.data().isEmpty());
}
