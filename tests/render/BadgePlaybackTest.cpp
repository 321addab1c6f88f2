#include "render/BadgePlayback.h"

#include "RenderFixtures.h"
#include "render/DeviceImage.h"
#include "render/LedFrame.h"
#include "render/PlaybackEffects.h"
#include "render/PlaybackTiming.h"
#include "render/RtfReader.h"
#include "render/TextRasterizer.h"

#include <set>

using namespace tessel;
using namespace tessel::test;

namespace {

constexpr QRgb LitRed = 0xFFFF0000;

class BadgePlaybackTest : public ::testing::Test {
protected:
    Program& addImage(const QImage& picture, uint8_t action = 0)
    {
        const QString file = folder.path(QStringLiteral("picture%1.png").arg(data.programs.size()));
        EXPECT_TRUE(picture.save(file));
        auto program = std::make_unique<Program>();
        program->type = uint8_t(ItemKind::Image);
        program->item = newProgramItem(program->type);
        program->image()->fileName = file;
        program->image()->action = action;
        return *data.adoptProgram(std::move(program));
    }

    BadgePlayback list() const { return BadgePlayback::OfList(data, screen, folder.exeDir()); }
    BadgePlayback one(const Program& program) const
    {
        return BadgePlayback::OfProgram(data, program, screen, folder.exeDir());
    }

    AppData data;
    AppFolder folder;
    ScreenGeometry screen = geometry(12, 48);
};

// A picture with one lit column.
QImage litColumn(int width, int column)
{
    QImage picture = filled(width, 12, Black);
    for (int y = 0; y < 12; ++y)
        picture.setPixel(column, y, LitRed);
    return picture;
}

// The columns of the screen with a lit LED.
std::vector<int> litColumns(const QImage& screen)
{
    std::vector<int> columns;
    for (int x = 0; x < screen.width(); ++x)
        if (!columnIsBlack(screen, x))
            columns.push_back(x);
    return columns;
}

// A picture whose LEDs differ from column to column and row to row.
QImage pattern(int width, int salt)
{
    QImage picture = filled(width, 12, Black);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < width; ++x)
            if ((x * 7 + y * 3 + salt) % 5 < 2)
                picture.setPixel(x, y, LitRed);
    return picture;
}

QImage page(const QImage& picture, int index)
{
    QImage screen = filled(48, 12, Black);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 48 && index * 48 + x < picture.width(); ++x)
            screen.setPixel(x, y, qRed(picture.pixel(index * 48 + x, y)) >= 224 ? LitRed : Black);
    return screen;
}

} // namespace

TEST_F(BadgePlaybackTest, StaticTextShowsEveryPageAsTheDeviceImageCutsIt)
{
    auto program = std::make_unique<Program>();
    program->item = newProgramItem(uint8_t(ItemKind::Text));
    program->text()->save = redArialSave(QStringLiteral("Welcome to our booth, number 24!"));
    const TextItem& text = *data.adoptProgram(std::move(program))->text();
    const QImage strip = RasterizeText(screen, text, RichTextFromSave(text.save, 1252), folder.exeDir());
    const int pages = (strip.width() + 47) / 48;
    ASSERT_GE(pages, 3);

    const BadgePlayback playback = list();
    const int stay = StayMs(text.stay);
    ASSERT_EQ(playback.duration(), pages * stay + EffectStepMs(text.speed)); // and one dark step
    for (int i = 0; i < pages; ++i) {
        EXPECT_EQ(playback.ledsAt(i * stay), page(strip, i)) << "page " << i;
        EXPECT_EQ(playback.ledsAt((i + 1) * stay - 1), page(strip, i)) << "page " << i;
    }
    EXPECT_EQ(playback.ledsAt(pages * stay), DarkScreen(screen));
}

TEST_F(BadgePlaybackTest, ScrollingMovesOneColumnAStepAndEndsOnTheLastFrame)
{
    data.trimSpace = 1;
    // Scrolling left, the column at 97 enters at the right edge.
    const BadgePlayback left = one(addImage(litColumn(100, 97), 2));
    const int step = EffectStepMs(1);
    EXPECT_EQ(left.ledsAt(0), DarkScreen(screen));
    for (int k : { 98, 99, 120, 144 })
        EXPECT_EQ(litColumns(left.ledsAt(k * step)), std::vector<int>({ 145 - k })) << k;
    // Three frames of 48: the scroll ends on columns 96-143, then stays.
    const int end = 3 * 48 * step;
    EXPECT_EQ(litColumns(left.ledsAt(end - 1)), std::vector<int>({ 2 }));
    EXPECT_EQ(litColumns(left.ledsAt(end)), std::vector<int>({ 1 }));
    EXPECT_EQ(litColumns(left.ledsAt(end + StayMs(0) - 1)), std::vector<int>({ 1 }));

    // Scrolling right, frames start at 4, -44, -92: the column enters at the
    // left edge and the scroll ends on the dark last frame.
    const BadgePlayback right = one(addImage(litColumn(100, 30), 3));
    EXPECT_EQ(right.ledsAt(0), DarkScreen(screen));
    for (int k : { 22, 23, 40, 69 })
        EXPECT_EQ(litColumns(right.ledsAt(k * step)), std::vector<int>({ k - 22 })) << k;
    EXPECT_EQ(litColumns(right.ledsAt(70 * step)), std::vector<int>());
    const DeviceImageBuild image = BuildDeviceImage(data, screen, folder.exeDir());
    const QByteArray lastFrame = image.bytes.right(72);
    EXPECT_EQ(right.ledsAt(end + 1), DecodeFrame(screen, lastFrame));
}

TEST_F(BadgePlaybackTest, PlayCountsRepeatTheProgram)
{
    Program& program = addImage(pattern(100, 0), 19);
    program.image()->exitType = 1;
    const int64_t once = one(program).duration();
    program.playCount = 2;
    const BadgePlayback thrice = one(program);
    ASSERT_EQ(thrice.duration(), 3 * once);
    for (int64_t t = 0; t < once; t += 37) {
        EXPECT_EQ(thrice.ledsAt(t + once), thrice.ledsAt(t)) << t;
        EXPECT_EQ(thrice.ledsAt(t + 2 * once), thrice.ledsAt(t)) << t;
    }
    // An image header carries the count as stored; it still plays count + 1 times.
    program.playCount = 254;
    EXPECT_EQ(one(program).duration(), 255 * once);
}

TEST_F(BadgePlaybackTest, EveryEffectStartsAtWhatWasShownAndEndsOnThePage)
{
    const QImage picture = pattern(96, 1);
    const QImage first = page(picture, 0);
    const QImage second = page(picture, 1);
    const std::set<QRgb> allowed { Black, LitRed };
    for (uint8_t action = 4; action <= RandomAction; ++action) {
        data.clearPrograms();
        const BadgePlayback playback = one(addImage(picture, action));
        // The stay of a page: the page standing still for the stay time.
        const auto stayOn = [&](const QImage& shown, int64_t from) {
            int64_t t = from;
            while (t < playback.duration()
                && (playback.ledsAt(t) != shown || playback.nextChange(t) - t != StayMs(0))) {
                const QImage between = playback.ledsAt(t);
                for (int y = 0; y < 12; ++y)
                    for (int x = 0; x < 48; ++x)
                        EXPECT_TRUE(allowed.count(between.pixel(x, y))) << int(action) << " at " << t;
                t = playback.nextChange(t);
            }
            return t;
        };
        EXPECT_EQ(playback.ledsAt(0), DarkScreen(screen)) << int(action);
        const int64_t firstStay = stayOn(first, 0);
        ASSERT_LT(firstStay, playback.duration()) << int(action);
        // The second page's entry starts on the first page.
        const int64_t secondEntry = firstStay + StayMs(0);
        EXPECT_EQ(playback.ledsAt(secondEntry), first) << int(action);
        EXPECT_LT(stayOn(second, secondEntry), playback.duration()) << int(action);
    }
}

TEST_F(BadgePlaybackTest, TheEffectFunctionsBeginAndEndOnTheirPages)
{
    const QImage from = page(pattern(48, 2), 0);
    const QImage to = page(pattern(48, 3), 0);
    for (uint8_t action = 2; action < RandomAction; ++action) {
        const int steps = EffectSteps(action, from.size());
        ASSERT_GT(steps, 0) << int(action);
        EXPECT_EQ(EffectFrame(action, from, to, 0, 7, LitRed), from) << int(action);
        EXPECT_EQ(EffectFrame(action, from, to, steps, 7, LitRed), to) << int(action);
        // On the way the screen shows neither page.
        bool between = false;
        for (int step = 1; step < steps && !between; ++step) {
            const QImage shown = EffectFrame(action, from, to, step, 7, LitRed);
            between = shown != from && shown != to;
        }
        EXPECT_TRUE(between) << int(action);
    }
    for (uint32_t seed = 0; seed < 50; ++seed) {
        const uint8_t chosen = ResolveAction(RandomAction, seed);
        EXPECT_TRUE(chosen >= 2 && chosen < RandomAction) << seed;
    }
}

TEST_F(BadgePlaybackTest, ABorderLightsOnlyTheEdgeInItsColour)
{
    screen = geometry(12, 48, 2);
    Program& program = addImage(filled(48, 12, Black));
    program.borderColor = 1; // the second colour offered: green
    const auto onRing = [](int x, int y, int inset) {
        const bool inside = x >= inset && x <= 47 - inset && y >= inset && y <= 11 - inset;
        return inside && (x == inset || x == 47 - inset || y == inset || y == 11 - inset);
    };
    for (uint8_t type = 0; type <= 4; ++type) {
        program.borderType = type;
        const QImage shown = one(program).ledsAt(10);
        int lit = 0;
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 48; ++x) {
                if (shown.pixel(x, y) == Black)
                    continue;
                ++lit;
                EXPECT_EQ(shown.pixel(x, y), 0xFF00FF00) << int(type);
                EXPECT_TRUE(onRing(x, y, 0) || (type == 3 && onRing(x, y, 2)))
                    << int(type) << ": " << x << "," << y;
            }
        EXPECT_EQ(lit > 0, type != 0) << int(type);
    }

    // Clockwise, the dashes along the top edge move one LED right a step.
    program.borderType = 1;
    program.borderAspect = 1;
    program.borderSpeed = 2;
    const BadgePlayback moving = one(program);
    const int step = BorderStepMs(2);
    const QImage before = moving.ledsAt(step - 1);
    const QImage after = moving.ledsAt(step);
    for (int x = 1; x < 48; ++x)
        EXPECT_EQ(after.pixel(x, 0), before.pixel(x - 1, 0)) << x;
    EXPECT_EQ(moving.nextChange(0), step);
    // Flashing, the border is dark every other step.
    program.borderAspect = 3;
    EXPECT_EQ(one(program).ledsAt(step), DarkScreen(screen));
}

TEST_F(BadgePlaybackTest, TheSameListAndTimeGiveTheSameLeds)
{
    addImage(pattern(150, 4), RandomAction).playCount = 1;
    addImage(pattern(60, 5), 20).image()->exitType = 1;
    Program& bordered = addImage(pattern(30, 6), 7);
    bordered.borderType = 4;
    bordered.borderAspect = 2;
    const BadgePlayback a = list();
    const BadgePlayback b = list();
    ASSERT_EQ(a.duration(), b.duration());
    ASSERT_EQ(a.programCount(), 3);
    for (int64_t t = 0; t < a.duration(); t += 13)
        ASSERT_EQ(a.ledsAt(t), b.ledsAt(t)) << t;
    // Played alone, a program makes the same random choices as in the list.
    const BadgePlayback alone = one(*data.programs[1]);
    for (int64_t t = 0; t < alone.duration(); t += 11)
        ASSERT_EQ(alone.ledsAt(t), a.ledsAt(a.programStart(1) + t)) << t;
    EXPECT_EQ(a.listIndex(1), 1);
    EXPECT_EQ(a.programAt(a.programStart(2)), 2);
}

TEST_F(BadgePlaybackTest, TheScreenHoldsStillBetweenChanges)
{
    Program& scrolling = addImage(pattern(70, 7), 2);
    scrolling.borderType = 2;
    scrolling.borderAspect = 1;
    scrolling.image()->exitType = 1;
    addImage(pattern(100, 8), 26);
    const BadgePlayback playback = list();
    int64_t t = 0;
    int changes = 0;
    while (t < playback.duration()) {
        const int64_t next = playback.nextChange(t);
        ASSERT_GT(next, t);
        ASSERT_EQ(playback.ledsAt(next - 1), playback.ledsAt(t)) << t;
        t = next;
        ++changes;
    }
    EXPECT_EQ(t, playback.duration());
    EXPECT_GT(changes, 118);
}

TEST_F(BadgePlaybackTest, ProgramsThatAreNotSentPlayNothing)
{
    addImage(filled(10, 12, White)).check = 0;
    auto time = std::make_unique<Program>();
    time->type = uint8_t(ItemKind::Time);
    time->item = newProgramItem(time->type);
    data.adoptProgram(std::move(time));
    addImage(filled(10, 12, White)).image()->fileName = folder.path(QStringLiteral("missing.png"));
    const BadgePlayback nothing = list();
    EXPECT_EQ(nothing.duration(), 0);
    EXPECT_EQ(nothing.programAt(0), -1);
    EXPECT_EQ(nothing.ledsAt(0), DarkScreen(screen));
    EXPECT_EQ(nothing.nextChange(0), 0);
    // Played on its own, the unticked program shows.
    EXPECT_GT(one(*data.programs[0]).duration(), 0);
}
