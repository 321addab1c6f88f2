#include "model/AppData.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace tessel;

namespace {

QStringList names(const AppData& data)
{
    QStringList result;
    for (const auto& program : data.programs)
        result << program->name;
    return result;
}

std::unique_ptr<Program> programOfType(uint8_t type)
{
    auto program = std::make_unique<Program>();
    program->type = type;
    program->item = newProgramItem(type);
    return program;
}

} // namespace

TEST(ProgramList, NumbersFollowTheKindCounterNotUniqueness)
{
    AppData data;
    for (int i = 0; i < 5; ++i)
        data.addProgram(ItemKind::Text, "text");
    data.removeProgram(data.programs[2].get());
    data.addProgram(ItemKind::Text, "text");
    EXPECT_EQ(names(data), QStringList({ "text1", "text2", "text4", "text5", "text5" }));
    EXPECT_EQ(data.kindCount[0], 5);
    EXPECT_EQ(data.programCount, 5);

    // Each kind counts on its own.
    data.addProgram(ItemKind::Image, "image");
    EXPECT_EQ(data.programs.back()->name, "image1");
}

TEST(ProgramList, ThirteenthAddIsRefusedButMarksModified)
{
    AppData data;
    for (int i = 0; i < MaxPrograms; ++i)
        ASSERT_NE(data.addProgram(ItemKind::Image, "image"), nullptr);
    data.modified = 0;
    EXPECT_EQ(data.addProgram(ItemKind::Text, "text"), nullptr);
    EXPECT_EQ(data.modified, 1);
    EXPECT_EQ(data.programs.size(), 12u);
    EXPECT_EQ(data.kindCount[0], 0);

    data.removeProgram(data.programs[0].get());
    EXPECT_NE(data.addProgram(ItemKind::Text, "text"), nullptr);
    EXPECT_EQ(data.programCount, 12);
}

TEST(ProgramList, ReadListsMayExceedTheLimitUntilShortened)
{
    AppData data;
    for (int i = 0; i < 14; ++i)
        data.adoptProgram(programOfType(i == 13 ? 9 : 0));
    EXPECT_EQ(data.programs.size(), 14u);
    EXPECT_EQ(data.programCount, 14);
    // A kind outside 0-4 counts in the total only.
    EXPECT_EQ(data.kindCount[0], 13);

    EXPECT_EQ(data.addProgram(ItemKind::Text, "text"), nullptr);
    data.removeProgram(data.programs.back().get());
    data.removeProgram(data.programs.back().get());
    EXPECT_EQ(data.addProgram(ItemKind::Text, "text"), nullptr);
    data.removeProgram(data.programs.back().get());
    EXPECT_EQ(data.programCount, 11);
    EXPECT_NE(data.addProgram(ItemKind::Text, "text"), nullptr);
}

TEST(ProgramList, MovesAtTheEndsChangeNothing)
{
    AppData data;
    data.addProgram(ItemKind::Text, "text");
    data.addProgram(ItemKind::Text, "text");
    data.addProgram(ItemKind::Text, "text");
    data.modified = 0;
    EXPECT_FALSE(data.moveProgramUp(data.programs.front().get()));
    EXPECT_FALSE(data.moveProgramDown(data.programs.back().get()));
    EXPECT_EQ(data.modified, 0);
    EXPECT_EQ(names(data), QStringList({ "text1", "text2", "text3" }));

    EXPECT_TRUE(data.moveProgramDown(data.programs.front().get()));
    EXPECT_EQ(data.modified, 1);
    EXPECT_TRUE(data.moveProgramUp(data.programs.back().get()));
    EXPECT_EQ(names(data), QStringList({ "text2", "text3", "text1" }));
}

TEST(ProgramList, ClearKeepsModifiedAndZeroesCounters)
{
    AppData data;
    data.addProgram(ItemKind::Text, "text");
    data.adoptProgram(programOfType(200));
    data.clearPrograms();
    EXPECT_TRUE(data.programs.empty());
    EXPECT_EQ(data.programCount, 0);
    EXPECT_EQ(data.kindCount[0], 0);
    EXPECT_EQ(data.modified, 1);
    EXPECT_EQ(data.addProgram(ItemKind::Text, "text")->name, "text1");
}

TEST(ProgramList, SummaryKeepsTheFirst24Characters)
{
    AppData data;
    Program* program = data.addProgram(ItemKind::Text, "text");
    data.modified = 0;
    data.setSummaryFromText(program, QString(30, u'x'));
    EXPECT_EQ(program->summary, QString(24, u'x'));
    EXPECT_EQ(data.modified, 1);
    data.setSummaryFromText(program, "short");
    EXPECT_EQ(program->summary, "short");

    // A character of two code units at the cut is not split in half.
    const QString emoji = QString::fromUcs4(U"\U0001F600");
    data.setSummaryFromText(program, QString(23, u'a') + emoji + "tail");
    EXPECT_EQ(program->summary, QString(23, u'a'));
    data.setSummaryFromText(program, QString(22, u'a') + emoji + "tail");
    EXPECT_EQ(program->summary, QString(22, u'a') + emoji);
}

TEST(ProgramList, NewTextsGreetInTheLanguageInForce)
{
    AppData data;
    data.lanID = 2052;
    EXPECT_EQ(data.addProgram(ItemKind::Text, "t")->summary, QString::fromUtf8("欢迎使用"));
    data.lanID = 3076;
    EXPECT_EQ(data.addProgram(ItemKind::Text, "t")->summary, QString::fromUtf8("歡迎使用"));
    data.lanID = 1036;
    EXPECT_EQ(data.addProgram(ItemKind::Text, "t")->summary, "Welcome");
    EXPECT_TRUE(data.addProgram(ItemKind::Image, "i")->summary.isEmpty());
}
