#include "files/ProgramFile.h"
#include "FilesTestSupport.h"
#include "model/AppData.h"

#include <gtest/gtest.h>

using namespace tessel;
using namespace tessel::test;

namespace {

const QByteArray Head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Records>\r\n";
const QByteArray Tail = "</Records>\r\n";

QByteArray programTag(const QByteArray& type, const QByteArray& name, const QByteArray& summary)
{
    return "<Program check=\"1\" type=\"" + type + "\" name=\"" + name + "\" summary=\"" + summary
        + "\" borderType=\"0\" borderAspect=\"0\" borderSpeed=\"0\" borderColor=\"0\" playCount=\"0\"";
}

class ProgramFileTest : public ::testing::Test {
protected:
    ProgramFileTest()
    {
        data.paths = PortablePaths(folder.path());
        data.lanID = 1033;
    }

    // Writes the list, reads it back into a fresh model and returns that.
    std::unique_ptr<AppData> roundTrip(const QString& name = "round.led")
    {
        EXPECT_TRUE(writeProgramFile(data, folder.file(name)));
        auto read = std::make_unique<AppData>();
        read->paths = PortablePaths(folder.path());
        readProgramFile(*read, folder.file(name));
        return read;
    }

    std::unique_ptr<AppData> readText(const QByteArray& bytes)
    {
        writeBytes(folder.file("hand.led"), bytes);
        auto read = std::make_unique<AppData>();
        readProgramFile(*read, folder.file("hand.led"));
        return read;
    }

    TempFolder folder;
    AppData data;
};

} // namespace

TEST_F(ProgramFileTest, WritesTheFifteenLineLayout)
{
    data.addProgram(ItemKind::Text, "text");
    data.addProgram(ItemKind::Time, "time");
    ASSERT_TRUE(writeProgramFile(data, folder.file("two.led")));
    const QByteArray expected = Head + programTag("0", "text1", "Welcome") + ">\r\n"
        + "<action>0</action>\r\n<speed>1</speed>\r\n<stay>0</stay>\r\n<exitType>0</exitType>\r\n"
          "<arabic>0</arabic>\r\n<yOffset>5</yOffset>\r\n<horAlign>0</horAlign>\r\n<verAlign>1</verAlign>\r\n"
          "<charSpacing>1</charSpacing>\r\n<save/>\r\n</Program>\r\n"
        + programTag("3", "time1", "") + "/>\r\n" + Tail;
    const QByteArray written = readBytes(folder.file("two.led"));
    EXPECT_EQ(written, expected);
    EXPECT_EQ(written.count("\r\n"), 15);
}

TEST_F(ProgramFileTest, EmptyListIsTheDeclarationAndAnEmptyRoot)
{
    ASSERT_TRUE(writeProgramFile(data, folder.file("empty.led")));
    EXPECT_EQ(readBytes(folder.file("empty.led")),
        QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><Records/>\r\n"));
    EXPECT_TRUE(checkProgramFile(folder.file("empty.led")));
    EXPECT_TRUE(roundTrip("empty.led")->programs.empty());
}

TEST_F(ProgramFileTest, EscapesAttributesAndTextAndReadsThemBack)
{
    Program* text = data.addProgram(ItemKind::Text, "text");
    text->name = QString::fromUtf8("a'b\"c<d>&é");
    text->summary = "say \"hi\"";
    text->text()->save = "{\\rtf1\\ansi a<b & c>d\\par\r\n\\'c4\\'e3}\r\n";
    ASSERT_TRUE(writeProgramFile(data, folder.file("esc.led")));
    const QByteArray bytes = readBytes(folder.file("esc.led"));
    EXPECT_TRUE(bytes.contains("name=\"a&apos;b&quot;c&lt;d&gt;&amp;\xC3\xA9\""));
    EXPECT_TRUE(bytes.contains("summary=\"say &quot;hi&quot;\""));
    // The RTF continues over several lines; only <, & and > are escaped.
    EXPECT_TRUE(bytes.contains("<save>{\\rtf1\\ansi a&lt;b &amp; c&gt;d\\par\r\n\\'c4\\'e3}\r\n</save>\r\n"));

    const auto read = roundTrip("esc.led");
    ASSERT_EQ(read->programs.size(), 1u);
    EXPECT_EQ(read->programs[0]->name, text->name);
    EXPECT_EQ(read->programs[0]->summary, text->summary);
    EXPECT_EQ(read->programs[0]->text()->save, text->text()->save);
}

TEST_F(ProgramFileTest, EveryFieldSurvivesARoundTrip)
{
    Program* text = data.addProgram(ItemKind::Text, "text");
    text->check = 0;
    text->borderType = 4;
    text->borderAspect = 3;
    text->borderSpeed = 5;
    text->borderColor = 6;
    text->playCount = 254;
    *text->text() = TextItem { 30, 5, 4, 1, 1, 10, 2, 2, 5, "{\\rtf1 x}" };
    Program* image = data.addProgram(ItemKind::Image, "image");
    image->image()->delBgColor = 0x123456;
    image->image()->fileName = "pictures/a&b.bmp";
    data.addProgram(ItemKind::Animation, "animation")->image()->delBgColor = -1;
    data.addProgram(ItemKind::Count, "count");
    ASSERT_TRUE(writeProgramFile(data, folder.file("first.led")));
    const QByteArray first = readBytes(folder.file("first.led"));
    EXPECT_TRUE(first.contains("<delBgColor>1193046</delBgColor>"));
    EXPECT_TRUE(first.contains("<delBgColor>-1</delBgColor>"));

    // Whatever the reader loses, the second write shows.
    const auto read = roundTrip("first.led");
    ASSERT_TRUE(writeProgramFile(*read, folder.file("second.led")));
    EXPECT_EQ(readBytes(folder.file("second.led")), first);
    EXPECT_EQ(read->programs[1]->image()->fileName, "pictures/a&b.bmp");
    EXPECT_TRUE(std::holds_alternative<CountItem>(read->programs[3]->item));
    EXPECT_EQ(read->kindCount, (std::array<uint16_t, 5> { 1, 1, 1, 0, 1 }));
    EXPECT_EQ(read->programCount, 4);
    EXPECT_EQ(read->modified, 0);
}

TEST_F(ProgramFileTest, ChildrenAreFoundOnlyForwardAndMissingOnesKeepNewValues)
{
    // "speed" before "action" is passed over once "action" is found, as is
    // "fileName" before "speed"; "stay" and "save" are missing.
    const auto read
        = readText(Head + programTag("0", "t", "s") + ">\r\n<speed>4</speed>\r\n<action>7</action>\r\n"
            + "<exitType>1</exitType>\r\n<charSpacing>3</charSpacing>\r\n</Program>\r\n"
            + programTag("2", "a", "") + "><fileName>x.gif</fileName><speed>5</speed></Program>" + Tail);
    ASSERT_EQ(read->programs.size(), 2u);
    const TextItem& text = *read->programs[0]->text();
    EXPECT_EQ(text.action, 7);
    EXPECT_EQ(text.speed, 1);
    EXPECT_EQ(text.stay, 0);
    EXPECT_EQ(text.exitType, 1);
    EXPECT_EQ(text.yOffset, 5);
    EXPECT_EQ(text.verAlign, 1);
    EXPECT_EQ(text.charSpacing, 3);
    EXPECT_TRUE(text.save.isEmpty());
    const ImageItem& animation = *read->programs[1]->image();
    EXPECT_TRUE(animation.fileName.isEmpty());
    EXPECT_EQ(animation.speed, 5);
    EXPECT_EQ(animation.action, 1);
    EXPECT_EQ(animation.delBgColor, 0xFFFFFF);
}

TEST_F(ProgramFileTest, NumbersAreReadLenientlyAndCutToTheirWidth)
{
    const auto read = readText(Head
        + "<Program check=\" -7x\" type=\"256\" name=\"n\" borderType=\"300\" borderAspect=\"+2\" "
          "borderSpeed=\"abc\" playCount=\"99999999999\">"
        + "<action>\t12 and more</action><delBgColor>-5</delBgColor></Program>" + Tail);
    ASSERT_EQ(read->programs.size(), 1u);
    const Program& program = *read->programs[0];
    EXPECT_EQ(program.check, -7);
    EXPECT_EQ(program.type, 0); // 256 keeps its low byte
    EXPECT_EQ(program.borderType, 44);
    EXPECT_EQ(program.borderAspect, 2);
    EXPECT_EQ(program.borderSpeed, 0);
    EXPECT_EQ(program.borderColor, 0); // missing
    EXPECT_EQ(program.playCount, 255); // stops at the 32-bit limit, then cut
    EXPECT_TRUE(program.summary.isEmpty());
    EXPECT_EQ(program.text()->action, 12);
}

TEST_F(ProgramFileTest, UnknownKindsStayWithoutDataAndAreWrittenBack)
{
    const auto read = readText(Head + programTag("9", "odd", "keep") + "><action>3</action></Program>\r\n"
        + "<Other/>\r\n" + programTag("3", "clock", "") + "><action>3</action></Program>" + Tail);
    ASSERT_EQ(read->programs.size(), 2u);
    EXPECT_EQ(read->programs[0]->type, 9);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(read->programs[0]->item));
    EXPECT_TRUE(std::holds_alternative<TimeItem>(read->programs[1]->item));
    EXPECT_EQ(read->programCount, 2);
    EXPECT_EQ(read->kindCount[3], 1);

    ASSERT_TRUE(writeProgramFile(*read, folder.file("back.led")));
    EXPECT_EQ(readBytes(folder.file("back.led")),
        Head + programTag("9", "odd", "keep") + "/>\r\n" + programTag("3", "clock", "") + "/>\r\n" + Tail);
}

TEST_F(ProgramFileTest, FifteenProgramsAreReadAndAddingStaysRefused)
{
    QByteArray bytes = Head;
    for (int i = 0; i < 15; ++i)
        bytes += programTag("1", "image" + QByteArray::number(i), "") + "/>\r\n";
    const auto read = readText(bytes + Tail);
    EXPECT_EQ(read->programs.size(), 15u);
    EXPECT_EQ(read->programCount, 15);
    EXPECT_EQ(read->addProgram(ItemKind::Text, "text"), nullptr);
    EXPECT_EQ(read->programs.size(), 15u);
}

TEST_F(ProgramFileTest, StructuralFaultsDoNotStopReading)
{
    // An unclosed child and a stray end tag: the programs found are read.
    const auto read = readText(Head + programTag("1", "first", "") + "><fileName>a.bmp</Program>\r\n</Stray>"
        + programTag("1", "second", "") + "/>" + Tail);
    ASSERT_EQ(read->programs.size(), 2u);
    EXPECT_EQ(read->programs[1]->name, "second");
}

TEST_F(ProgramFileTest, CheckNeedsATopLevelRecordsElement)
{
    writeBytes(folder.file("good.led"), "<Records></Records>");
    writeBytes(folder.file("other.led"), "<?xml version=\"1.0\"?><Programs><Records/></Programs>");
    writeBytes(folder.file("text.led"), "not markup at all");
    writeBytes(folder.file("empty.led"), "");
    EXPECT_TRUE(checkProgramFile(folder.file("good.led")));
    EXPECT_FALSE(checkProgramFile(folder.file("other.led")));
    EXPECT_FALSE(checkProgramFile(folder.file("text.led")));
    EXPECT_FALSE(checkProgramFile(folder.file("empty.led")));
    EXPECT_FALSE(checkProgramFile(folder.file("missing.led")));
    EXPECT_FALSE(checkProgramFile(folder.path()));
}

TEST_F(ProgramFileTest, RelativePathsAreTakenFromTheProgramsFolder)
{
    data.addProgram(ItemKind::Text, "text");
    ASSERT_TRUE(writeProgramFile(data, "beside.led"));
    EXPECT_FALSE(readBytes(folder.file("beside.led")).isEmpty());
    AppData read;
    read.paths = PortablePaths(folder.path());
    readProgramFile(read, "beside.led");
    EXPECT_EQ(read.programs.size(), 1u);
}

TEST_F(ProgramFileTest, AFailedWriteIsReportedAndKeepsTheOldFile)
{
    data.addProgram(ItemKind::Text, "text");
    QString reason;
    EXPECT_FALSE(writeProgramFile(data, folder.file("no/such/folder/x.led"), &reason));
    writeBytes(folder.file("keep.led"), "old");
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool written = writeProgramFile(data, folder.file("keep.led"));
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (written)
        GTEST_SKIP() << "the folder stays writable (running with privileges)";
    EXPECT_EQ(readBytes(folder.file("keep.led")), "old");
}

TEST_F(ProgramFileTest, AFileCutBeforeItsRootClosesKeepsWhatCouldBeRead)
{
    data.addProgram(ItemKind::Text, "text");
    data.addProgram(ItemKind::Image, "image");
    data.addProgram(ItemKind::Time, "time");
    const QString whole = folder.file("whole.led");
    ASSERT_TRUE(writeProgramFile(data, whole));
    QFile file(whole);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    AppData again;
    EXPECT_EQ(readProgramFile(again, whole), ProgramFileState::Whole);

    // Cut after the second program, and in the middle of the third.
    const qsizetype third = bytes.lastIndexOf("<Program");
    for (const qsizetype cut : { third, third + 20 }) {
        writeBytes(folder.file("cut.led"), bytes.left(cut));
        AppData read;
        EXPECT_EQ(readProgramFile(read, folder.file("cut.led")), ProgramFileState::Damaged);
        ASSERT_GE(read.programs.size(), 2u) << cut;
        EXPECT_EQ(read.programs[0]->type, uint8_t(ItemKind::Text));
        EXPECT_EQ(read.programs[1]->type, uint8_t(ItemKind::Image));
    }
    AppData none;
    EXPECT_EQ(readProgramFile(none, folder.file("missing.led")), ProgramFileState::Unreadable);
}
