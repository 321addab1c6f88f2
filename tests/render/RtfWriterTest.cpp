#include "render/RtfWriter.h"
#include "render/RtfCharset.h"
#include "render/RtfReader.h"

#include <gtest/gtest.h>

using namespace tessel;
using namespace Qt::Literals::StringLiterals;

namespace {

struct Run {
    QString text;
    CharFormat format;
};

// Runs joined into a text; the paragraphs not given are left aligned.
RichText makeText(const std::vector<Run>& runs, std::vector<Paragraph> paragraphs = {})
{
    RichText text;
    for (const Run& run : runs) {
        text.text += run.text;
        text.formats.insert(text.formats.end(), static_cast<size_t>(run.text.size()), run.format);
    }
    paragraphs.resize(static_cast<size_t>(text.text.count(QChar(ParagraphBreak))) + 1);
    text.paragraphs = paragraphs;
    if (!runs.empty())
        text.insertionFormat = runs.back().format;
    return text;
}

CharFormat format(const QString& face, int twips = 180, uint32_t color = 0x0000FF)
{
    return { .face = face, .twips = twips, .textColor = color };
}

void expectSameText(const RichText& read, const RichText& written)
{
    EXPECT_EQ(read.text, written.text);
    EXPECT_EQ(read.formats, written.formats);
    EXPECT_EQ(read.paragraphs, written.paragraphs);
    EXPECT_EQ(read.insertionFormat, written.insertionFormat);
}

// A face without a charset of its own reads back with the charset its name
// was written with.
CharFormat withWrittenCharset(CharFormat format)
{
    if (format.charset == CharsetFromFaceName)
        format.charset = charsetForFaceName(format.face);
    return format;
}

void expectRoundTrip(const RichText& text)
{
    const QByteArray rtf = WriteRtf(text);
    SCOPED_TRACE(rtf.toStdString());
    RichText expected = text;
    for (CharFormat& format : expected.formats)
        format = withWrittenCharset(format);
    expected.insertionFormat = withWrittenCharset(text.insertionFormat);
    expectSameText(ReadRtf(rtf), expected);
}

} // namespace

TEST(RtfWriter, WritesTheControlsHeaderAndOnlyTheTablesInUse)
{
    CharFormat bold = format(u"Arial"_s);
    bold.bold = true;
    const RichText text = makeText(
        { { u"Wel"_s, format(u"Arial"_s) }, { u"come"_s, bold } }, { Paragraph { Alignment::Center } });
    const QByteArray rtf = WriteRtf(text);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("{\\colortbl ;\\red255\\green0\\blue0;}")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\uc1")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\pard\\qc\\cf1\\fs18 Wel\\b come\\par")) << rtf.constData();
    EXPECT_EQ(rtf, WriteRtf(text)) << "the output is deterministic";
    EXPECT_EQ(SaveFromRichText(text), QString::fromLatin1(rtf));
}

TEST(RtfWriter, WritesNonAsciiAsSignedUnicodeAndEscapesSpecials)
{
    const RichText text = makeText({ { u"欢{\\}€😀"_s, format(u"宋体"_s) } });
    const QByteArray rtf = WriteRtf(text);
    EXPECT_TRUE(rtf.contains("\\u27426?\\{\\\\\\}\\u8364?\\u-10179?\\u-8704?")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\fcharset134 \\'cb\\'ce\\'cc\\'e5;")) << rtf.constData();
    for (const char c : rtf)
        ASSERT_LT(static_cast<unsigned char>(c), 0x80u);
}

TEST(RtfWriter, RoundTripsFormatsAndAlignments)
{
    CharFormat bold = format(u"Arial"_s, 240, 0x00FF00);
    bold.bold = true;
    CharFormat decorated = format(u"Times New Roman"_s, 370, 0xFFFFFF);
    decorated.italic = true;
    decorated.underline = true;
    decorated.hasBackground = true;
    decorated.backColor = 0x00FFFF;
    CharFormat black = format(u"Arial"_s, 20, 0x000000);
    black.hasBackground = true;
    black.backColor = 0x000000;
    expectRoundTrip(
        makeText({ { u"Plain "_s, format(u"Arial"_s) }, { u"bold\tand\vbroken\r"_s, bold },
                     { u"dressed {up} \\ with ; marks\r"_s, decorated }, { u"black on black"_s, black } },
            { { Alignment::Left }, { Alignment::Center }, { Alignment::Right } }));
}

TEST(RtfWriter, RoundTripsScripts)
{
    expectRoundTrip(makeText({ { u"欢迎使用 歡迎使用 ようこそ 환영합니다"_s, format(u"宋体"_s) } }));
    expectRoundTrip(makeText({ { u"مرحبا بكم"_s, format(u"Arial"_s) } }, { { Alignment::Right, true } }));
    expectRoundTrip(makeText({ { u"😀 👍🏽 𠀀"_s, format(u"Noto Color Emoji"_s, 300) } }));
    expectRoundTrip(makeText({ { u"Ünïcödé\u00A0ß\u0007"_s, format(u"DejaVu Sans"_s) } }));
}

TEST(RtfWriter, RoundTripsFaceNamesOfAnyScript)
{
    // A face no single code page holds is written as Unicode units.
    for (const QString& face : { u"微软雅黑"_s, u"ＭＳ ゴシック"_s, u"맑은 고딕"_s, u"Arial;Black"_s,
             u"宋体 مرحبا"_s, u"😀 Face"_s, u""_s })
        expectRoundTrip(makeText({ { u"x"_s, format(face) } }));
}

TEST(RtfWriter, RoundTripsEmptyTextsAndBareParagraphs)
{
    RichText empty = makeText({});
    empty.insertionFormat = format(u"Arial"_s, 220);
    expectRoundTrip(empty);
    RichText breaks = makeText({ { u"\r\r"_s, format(u"Arial"_s) } },
        { { Alignment::Right }, { Alignment::Center }, { Alignment::Left, true } });
    breaks.insertionFormat = format(u"宋体"_s, 240, 0x00FF00);
    expectRoundTrip(breaks);
}

TEST(RtfWriter, ReadingWhatItWroteKeepsTheControlsOwnSample)
{
    const RichText sample = ReadRtf(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n"
        "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green255\\blue0;}\r\n"
        "\\viewkind4\\uc1\\pard\\qc\\cf1\\f0\\fs18 Wel\\b come\\b0 \\cf2\\highlight1\\u8364?\\par\r\n}\r\n");
    expectSameText(ReadRtf(WriteRtf(sample)), sample);
}
