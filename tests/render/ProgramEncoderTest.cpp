#include "render/ProgramEncoder.h"

#include "RenderFixtures.h"

using namespace tessel;
using namespace tessel::test;

namespace {

Program textProgram(uint8_t action)
{
    Program program;
    program.type = uint8_t(ItemKind::Text);
    TextItem item;
    item.action = action;
    item.speed = 3;
    item.stay = 4;
    item.exitType = 5;
    program.item = item;
    program.playCount = 2;
    program.borderType = 6;
    program.borderAspect = 7;
    program.borderSpeed = 8;
    program.borderColor = 9;
    return program;
}

Program imageProgram(int32_t delBgColor = 0xFFFFFF)
{
    Program program;
    program.type = uint8_t(ItemKind::Image);
    ImageItem item;
    item.delBgColor = delBgColor;
    program.item = item;
    return program;
}

struct Encoded {
    bool ok = false;
    QByteArray header;
    QByteArray frames;
    uint8_t at(int frame, int offset, int frameSize) const
    {
        return uint8_t(frames[frame * frameSize + offset]);
    }
};

Encoded encode(const ScreenGeometry& g, const Program& program, const QImage& source, uint8_t trimSpace = 0)
{
    Encoded e;
    e.ok = EncodeProgram(g, program, source, trimSpace, e.header, e.frames);
    return e;
}

int word(const QByteArray& bytes, int offset)
{
    return uint8_t(bytes[offset]) | uint8_t(bytes[offset + 1]) << 8;
}

} // namespace

TEST(ScreenGeometry, DerivedFieldsKeepTheirWidths)
{
    const ScreenGeometry odd = geometry(16, 45, 2);
    EXPECT_EQ(odd.rowBytes, 6);
    EXPECT_EQ(odd.plane2Offset, 192);
    EXPECT_EQ(odd.frameSize, 288);
    EXPECT_EQ(geometry(128, 8).drawHeight, 0); // kept in 8 bits
}

TEST(ScreenGeometry, PreviewFromScreenParameters)
{
    ScreenPara para;
    EXPECT_EQ(PreviewGeometry(para).rows, 12);
    EXPECT_EQ(PreviewGeometry(para).columns, 48);
    para.yIndex = 2;
    para.xIndex = 0;
    EXPECT_EQ(PreviewGeometry(para).rows, 16);
    EXPECT_EQ(PreviewGeometry(para).columns, 48);
    para.yIndex = 1;
    para.xIndex = 5;
    EXPECT_EQ(PreviewGeometry(para).columns, 112);
    EXPECT_EQ(PreviewGeometry(para).extraBits, 0);
    para.xIndex = 4093; // 65536 columns in 16 bits are 0
    EXPECT_EQ(PreviewGeometry(para).columns, 0);
}

TEST(ProgramEncoder, HeaderFieldsAndStillText)
{
    const ScreenGeometry g = geometry(12, 48);
    const Encoded e = encode(g, textProgram(0), filled(60, 12, Black));
    ASSERT_TRUE(e.ok);
    ASSERT_EQ(e.header.size(), 16);
    const QByteArray expected("\x00\x00\x03\x04\x03\x05\x06\x07\x08\x09\x02\x00\x00\x00\x00", 15);
    EXPECT_EQ(e.header.first(15), expected);
    EXPECT_EQ(uint8_t(e.header[15]), 0x2F);
    EXPECT_EQ(e.frames.size(), 2 * 72);
}

TEST(ProgramEncoder, ChecksumIsTheByteSumModulo256)
{
    QByteArray header(15, '\0');
    header[0] = char(0xFF);
    header[1] = char(0xF4); // 0x1F3 in all
    EXPECT_EQ(HeaderChecksum(header), 0xF3);
}

TEST(ProgramEncoder, PlayCountOfTextsCountsFromOne)
{
    Program text = textProgram(0);
    text.playCount = 255;
    Program image = imageProgram();
    image.playCount = 255;
    EXPECT_EQ(uint8_t(encode(geometry(12, 48), text, filled(4, 12, Black)).header[4]), 0);
    EXPECT_EQ(uint8_t(encode(geometry(12, 48), image, filled(4, 12, Black)).header[4]), 255);
}

TEST(ProgramEncoder, ScrollingAddsBlankColumnsByTrimSpace)
{
    const ScreenGeometry g = geometry(12, 48);
    const QImage strip = filled(60, 12, Black);
    // W' = 108: 3 frames, the last 12 columns wide.
    Encoded e = encode(g, textProgram(2), strip, 0);
    EXPECT_EQ(word(e.header, 10), 3);
    EXPECT_EQ(word(e.header, 12), 12);
    e = encode(g, textProgram(2), strip, 2); // W' = 84
    EXPECT_EQ(word(e.header, 10), 2);
    EXPECT_EQ(word(e.header, 12), 36);
    e = encode(g, textProgram(2), filled(96, 12, Black), 1); // W' = 96: a whole last frame
    EXPECT_EQ(word(e.header, 10), 2);
    EXPECT_EQ(word(e.header, 12), 48);
    e = encode(g, textProgram(1), strip, 0);
    EXPECT_EQ(word(e.header, 10), 2);
    EXPECT_EQ(word(e.header, 12), 0);
}

TEST(ProgramEncoder, BackwardScrollStartsAtTheEnd)
{
    const ScreenGeometry g = geometry(12, 48);
    const FramePlan plan = PlanFrames(g, 3, 0, 100);
    EXPECT_EQ(plan.paddedWidth, 148);
    EXPECT_EQ(plan.frameCount, 4);
    EXPECT_EQ(plan.startColumn, 52);
    EXPECT_EQ(plan.step, -48);

    QImage strip = filled(100, 12, Black);
    for (int x : { 0, 60, 99 })
        strip.setPixel(x, 0, White);
    const Encoded e = encode(g, textProgram(3), strip, 0);
    ASSERT_EQ(e.frames.size(), 4 * 72);
    // Frame 0 shows columns 52-99, frame 1 4-51, frame 2 -44-3, frame 3 -92-(-45).
    EXPECT_EQ(e.frames.first(6), QByteArray("\x00\x80\x00\x00\x00\x01", 6));
    EXPECT_EQ(e.frames.mid(72, 72), QByteArray(72, '\0'));
    EXPECT_EQ(e.frames.mid(144, 6), QByteArray("\x00\x00\x00\x00\x00\x08", 6));
    EXPECT_EQ(e.frames.mid(216, 72), QByteArray(72, '\0'));
}

TEST(ProgramEncoder, PartialLastByteKeepsItsSpareBitsClear)
{
    const ScreenGeometry g = geometry(12, 45);
    const Encoded e = encode(g, textProgram(0), filled(45, 12, White));
    ASSERT_EQ(e.frames.size(), 72);
    for (int row = 0; row < 12; ++row)
        EXPECT_EQ(e.frames.mid(row * 6, 6), QByteArray("\xFF\xFF\xFF\xFF\xFF\xF8", 6)) << row;
}

TEST(ProgramEncoder, ColourPlanesByComponent)
{
    QImage source = filled(3, 12, Black);
    source.setPixel(0, 0, qRgb(255, 255, 0)); // yellow
    source.setPixel(1, 0, qRgb(255, 0, 0));
    source.setPixel(2, 0, qRgb(224, 223, 255));
    const Encoded two = encode(geometry(12, 48, 1), textProgram(0), source);
    ASSERT_EQ(two.frames.size(), 144);
    EXPECT_EQ(uint8_t(two.frames[0]), 0xE0);
    EXPECT_EQ(uint8_t(two.frames[72]), 0x80);
    const Encoded three = encode(geometry(12, 48, 2), textProgram(0), source);
    ASSERT_EQ(three.frames.size(), 216);
    EXPECT_EQ(uint8_t(three.frames[144]), 0x20);
    const Encoded one = encode(geometry(12, 48), textProgram(0), filled(1, 12, qRgb(0, 255, 255)));
    EXPECT_EQ(one.frames, QByteArray(72, '\0')); // only red lights a one-colour badge
}

TEST(ProgramEncoder, PicturesAreCutFromTheTopLeftWithoutTheirBackground)
{
    QImage picture = filled(50, 20, White);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(254, 255, 255));
    const Encoded image = encode(geometry(12, 48), imageProgram(0xFFFFFF), picture);
    ASSERT_EQ(image.frames.size(), 2 * 72);
    EXPECT_EQ(uint8_t(image.frames[0]), 0xC0);
    EXPECT_EQ(image.frames.mid(1, 71), QByteArray(71, '\0'));
    // A text has no background colour: white is lit.
    EXPECT_EQ(encode(geometry(12, 48), textProgram(0), picture).frames.first(6), QByteArray(6, '\xFF'));

    const Encoded low = encode(geometry(12, 48), imageProgram(0), filled(48, 5, White));
    EXPECT_EQ(low.frames.first(30), QByteArray(30, '\xFF'));
    EXPECT_EQ(low.frames.mid(30), QByteArray(42, '\0'));
}

TEST(ProgramEncoder, NothingToEncode)
{
    QByteArray header;
    QByteArray frames;
    EXPECT_FALSE(EncodeProgram(geometry(12, 48), textProgram(0), QImage(), 0, header, frames));
    EXPECT_FALSE(EncodeProgram(geometry(12, 0), textProgram(0), filled(5, 12, White), 0, header, frames));
    Program animation = imageProgram();
    animation.type = uint8_t(ItemKind::Animation);
    EXPECT_FALSE(EncodeProgram(geometry(12, 48), animation, filled(5, 12, White), 0, header, frames));
    // 65536 frames do not fit the 16-bit frame count.
    EXPECT_FALSE(EncodeProgram(geometry(1, 1), textProgram(2), filled(65535, 1, White), 0, header, frames));
    EXPECT_TRUE(header.isEmpty());
    EXPECT_TRUE(frames.isEmpty());
}

TEST(ProgramEncoder, TruncatedGeometryStaysInsideTheFrame)
{
    // 2047 columns: the row byte count wraps to 0 in 8 bits.
    const ScreenGeometry g = geometry(255, 2047, 2);
    ASSERT_EQ(g.rowBytes, 0);
    const Encoded e = encode(g, imageProgram(0), filled(2100, 300, White));
    EXPECT_TRUE(e.ok);
    EXPECT_TRUE(e.frames.isEmpty());
    const ScreenGeometry big = geometry(255, 2040, 2); // three planes wrap the 16-bit frame size
    const Encoded f = encode(big, imageProgram(0), filled(2040, 255, White));
    EXPECT_EQ(f.frames.size(), big.frameSize);
}
