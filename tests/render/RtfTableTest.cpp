#include "render/RtfReader.h"
#include "render/RtfWriter.h"

#include <gtest/gtest.h>

using namespace tessel;
using namespace Qt::Literals::StringLiterals;

namespace {

// A stream as a word processor writes it around the body given: rows carry
// their borders and cell boundaries, cells their paragraph properties.
RichText readDocument(const QByteArray& body)
{
    return ReadRtf("{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1040"
                   "{\\fonttbl{\\f0\\fswiss\\fcharset0 Calibri;}{\\f1\\fnil\\fcharset2 Symbol;}}\r\n"
                   "{\\colortbl ;\\red0\\green0\\blue255;}\r\n"
                   "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
        + body + "}\r\n");
}

// The properties of a row of two cells, as they stand before its cells.
const QByteArray rowOfTwo = "\\trowd\\trgaph108\\trleft-108\\trbrdrl\\brdrs\\brdrw10 \\trbrdrt\\brdrs\\brdrw10 "
                            "\\trpaddl108\\trpaddr108\\trpaddfl3\\trpaddfr3\r\n"
                            "\\clbrdrl\\brdrw10\\brdrs\\clbrdrt\\brdrw10\\brdrs\\clvertalc\\cellx4513"
                            "\\clbrdrl\\brdrw10\\brdrs\\clbrdrt\\brdrw10\\brdrs\\cellx9026 \r\n";

void expectReadsBackTheSame(const RichText& text)
{
    const QByteArray rtf = WriteRtf(text);
    SCOPED_TRACE(rtf.toStdString());
    const RichText again = ReadRtf(rtf);
    EXPECT_EQ(again.text, text.text);
    EXPECT_EQ(again.formats, text.formats);
    EXPECT_EQ(again.paragraphs, text.paragraphs);
}

} // namespace

TEST(RtfTable, CellsEndInATabAndRowsInAParagraphBreak)
{
    const RichText oneRow = readDocument(rowOfTwo
        + "\\pard\\intbl\\widctlpar\\f0\\fs22 TCP-IP\\cell \\cf1\\b FASE 1\\cell\\row \r\n"
          "\\pard\\sa200\\sl276\\slmult1\\cf0\\b0 after\\par\r\n");
    EXPECT_EQ(oneRow.text, u"TCP-IP\tFASE 1\rafter"_s);
    ASSERT_EQ(oneRow.formats.size(), static_cast<size_t>(oneRow.text.size()));
    EXPECT_FALSE(oneRow.formats[6].bold) << "the tab has the format in force at the cell end";
    EXPECT_TRUE(oneRow.formats[7].bold);
    EXPECT_EQ(oneRow.paragraphs.size(), 2u);
    expectReadsBackTheSame(oneRow);

    // The last cell's end is taken up by the row end; an empty cell still
    // separates its neighbours, and a row of empty cells is an empty paragraph.
    const RichText rows = readDocument(rowOfTwo + "\\pard\\intbl\\qc\\f0 lavoro\\cell\\cell\\row\r\n" + rowOfTwo
        + "\\pard\\intbl\\cell due\\cell\\row\r\n" + rowOfTwo + "\\pard\\intbl\\cell\\cell\\row\r\n" + rowOfTwo
        + "\\pard\\intbl tre\\cell quattro\\cell\\row\r\n\\pard La macchina\\par\r\n");
    EXPECT_EQ(rows.text, u"lavoro\t\r\tdue\r\t\rtre\tquattro\rLa macchina"_s);
    ASSERT_EQ(rows.paragraphs.size(), 5u);
    EXPECT_EQ(rows.paragraphs[0].alignment, Alignment::Center);
    EXPECT_EQ(rows.paragraphs[4].alignment, Alignment::Left);
    expectReadsBackTheSame(rows);
}

TEST(RtfTable, ACellKeepsItsLineBreaksAndParagraphs)
{
    const RichText text = readDocument(rowOfTwo
        + "\\pard\\intbl\\f0 one\\line two\\cell three\\par four\\cell\\row\r\n"
          "\\pard\\par\r\n");
    EXPECT_EQ(text.text, u"one\vtwo\tthree\rfour\r"_s)
        << "the paragraph after the table stays, empty, as the last paragraph";
    expectReadsBackTheSame(text);
}

TEST(RtfTable, NestedTablesReadLikeTheirOuterTable)
{
    // The nested rows' ends stand among their properties; the group for
    // readers without nested tables repeats them as paragraph marks.
    const QByteArray nestedRowEnd = "{\\*\\nesttableprops\\trowd\\trgaph108\\cellx2000\\cellx4000\\nestrow}"
                                    "{\\nonesttables\\par}\r\n";
    const RichText lastCell = readDocument(rowOfTwo + "\\pard\\intbl\\itap1\\f0 A\\cell\r\n"
        + "\\pard\\intbl\\itap2 B1\\nestcell B2\\nestcell" + nestedRowEnd
        + "\\pard\\intbl\\itap2 C1\\nestcell\\nestcell" + nestedRowEnd + "\\pard\\intbl\\itap1\\cell\\row\r\n"
        + "\\pard after\\par\r\n");
    EXPECT_EQ(lastCell.text, u"A\tB1\tB2\rC1\t\rafter"_s);
    expectReadsBackTheSame(lastCell);

    const RichText firstCell = readDocument(rowOfTwo + "\\pard\\intbl\\itap2\\f0 B1\\nestcell B2\\nestcell"
        + nestedRowEnd + "\\pard\\intbl\\itap1\\cell Z\\cell\\row\r\n\\pard\\par\r\n");
    EXPECT_EQ(firstCell.text, u"B1\tB2\r\tZ\r"_s);
}

TEST(RtfTable, TablePropertiesAndItsDestinationsAddNoText)
{
    // Hostile shapes: row ends inside another optional destination, a
    // nested-properties group that is not optional, stray cell and row ends.
    const RichText text = readDocument("\\pard\\f0 {\\*\\unknown\\nestrow x{\\*\\nesttableprops\\nestrow}}"
                                       "{\\nesttableprops y\\nestrow}"
                                       "a\\cell{\\*\\nesttableprops{\\b z}\\nestrow}\\row\\row b\\cell");
    EXPECT_EQ(text.text, u"y\ra\rb"_s);
    ASSERT_EQ(text.paragraphs.size(), 3u);
}
