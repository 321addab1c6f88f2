// The text tools of the property pane: typing, the default format, the
// formatting commands and the tools' display of the selection, and the
// round trip of `save` through the editor.
#include "PropertyFormTest.h"

#include "render/RtfReader.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>
#include <QToolTip>

namespace tessel::testing {
namespace {

void type(QWidget* target, const QString& text)
{
    for (QChar c : text) {
        const bool enter = c == QLatin1Char('\r');
        QKeyEvent press(
            QEvent::KeyPress, enter ? Qt::Key_Return : Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
    }
}

void select(QTextEdit* editor, int start, int end)
{
    QTextCursor cursor(editor->document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
}

RichText stored(const Program& program)
{
    return RichTextFromSave(program.text()->save, 1252);
}

constexpr const char* ChineseSample
    = "{\\rtf1\\ansi\\ansicpg936\\deff0\\nouicompat\\deflang1033\\deflangfe2052{\\fonttbl{"
      "\\f0\\fnil\\fcharset134 "
      "\\'cb\\'ce\\'cc\\'e5;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n{\\*\\generator Riched20 "
      "10.0.19041}\\viewkind4\\uc1 "
      "\r\n\\pard\\cf1\\f0\\fs18\\lang2052\\'bb\\'b6\\'d3\\'ad\\'ca\\'b9\\'d3\\'c3\\par\r\n}"
      "\r\n";
constexpr const char* EuroSample = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{"
                                   "\\f0\\fswiss\\fcharset0 Arial;}}\r\n{\\colortbl "
                                   ";\\red255\\green0\\blue0;\\red0\\green255\\blue0;}"
                                   "\r\n\\viewkind4\\uc1\\pard\\qc\\cf1\\f0\\fs18 Wel\\b come\\b0 "
                                   "\\cf2\\highlight1\\u8364?\\par\r\n}\r\n";

using PropertyFormTextTest = PaneTest;

TEST_F(PropertyFormTextTest, TypingThirtyCharactersKeepsTwentyFourInTheSummary)
{
    build();
    Program& program = add(ItemKind::Text);
    data.modified = 0;
    editor()->selectAll();
    const int before = refreshes;
    type(editor(), u"abcdefghijklmnopqrstuvwxyz1234"_qs);
    EXPECT_EQ(editor()->toPlainText(), u"abcdefghijklmnopqrstuvwxyz1234"_qs);
    EXPECT_EQ(program.summary, u"abcdefghijklmnopqrstuvwx"_qs);
    EXPECT_EQ(tree->nodeOf(program)->text(0), program.name + u"(abcdefghijklmnopqrstuvwx)"_qs);
    EXPECT_EQ(data.modified, 1);
    EXPECT_GE(refreshes, before + 30);
    EXPECT_EQ(stored(program).text, u"abcdefghijklmnopqrstuvwxyz1234"_qs);
}

TEST_F(PropertyFormTextTest, ANewTextHasTheDefaultFormatOfTheScreenHeight)
{
    const int twips[] = { 180, 220, 240 };
    for (uint8_t yIndex = 0; yIndex < 3; ++yIndex) {
        data.screenPara.yIndex = yIndex;
        window.reset();
        data.clearPrograms();
        build();
        Program& program = add(ItemKind::Text);
        const RichText text = stored(program);
        ASSERT_EQ(text.text, u"Welcome"_qs);
        EXPECT_EQ(text.formats[0].face, u"Arial"_qs);
        EXPECT_EQ(text.formats[0].twips, twips[yIndex]);
        EXPECT_EQ(text.formats[6].textColor, 0x0000FFu);
        EXPECT_FALSE(text.formats[0].bold);
        EXPECT_FALSE(text.formats[0].hasBackground);
        EXPECT_EQ(list(SizeList)->currentText(), QString::number(twips[yIndex] / 20));
        EXPECT_EQ(list(FontList)->currentText(), u"Arial"_qs);
        EXPECT_EQ(list(TextColourList)->currentIndex(), 0);
    }
}

TEST_F(PropertyFormTextTest, AChineseLanguageGreetsInSongTi)
{
    data.lanID = 3076;
    texts.load(data.paths.dataDir, data.lanID);
    build();
    Program& program = add(ItemKind::Text);
    const RichText text = RichTextFromSave(program.text()->save, 950);
    EXPECT_EQ(text.text, u"歡迎使用"_qs);
    EXPECT_EQ(text.formats[0].face, u"宋体"_qs);
    EXPECT_EQ(program.summary, u"歡迎使用"_qs);
}

TEST_F(PropertyFormTextTest, AWhiteBackgroundAndBackToNone)
{
    data.screenPara.rgb = 2;
    build();
    Program& program = add(ItemKind::Text);
    select(editor(), 0, 3);
    choose(BackColourList, 7);
    RichText text = stored(program);
    EXPECT_TRUE(text.formats[0].hasBackground);
    EXPECT_EQ(text.formats[0].backColor, 0xFFFFFFu);
    // "Welcome" is one word: all of it takes the colour.
    EXPECT_EQ(text.formats[6].backColor, 0xFFFFFFu);
    EXPECT_EQ(list(BackColourList)->currentIndex(), 7);
    choose(BackColourList, 0);
    text = stored(program);
    EXPECT_FALSE(text.formats[0].hasBackground);
}

TEST_F(PropertyFormTextTest, FormattingASelectionReachesTheWordsItTouches)
{
    data.screenPara.rgb = 2;
    build();
    Program& program = add(ItemKind::Text);
    editor()->selectAll();
    type(editor(), u"one two three"_qs);
    select(editor(), 5, 9); // "wo t"
    pane->formatAction(BoldCommand)->trigger();
    choose(TextColourList, 1); // green
    const RichText text = stored(program);
    EXPECT_FALSE(text.formats[2].bold); // "one"
    for (int i = 4; i < 13; ++i) // "two three"
        EXPECT_TRUE(text.formats[i].bold) << i;
    EXPECT_EQ(text.formats[4].textColor, 0x00FF00u);
    EXPECT_EQ(text.formats[0].textColor, 0x0000FFu);
    EXPECT_TRUE(pane->formatAction(BoldCommand)->isChecked());
}

TEST_F(PropertyFormTextTest, AnEmptySelectionSetsTheFormatOfWhatIsTypedNext)
{
    build();
    Program& program = add(ItemKind::Text);
    editor()->moveCursor(QTextCursor::End);
    pane->formatAction(ItalicCommand)->trigger();
    choose(SizeList, 4); // 12 points
    EXPECT_FALSE(stored(program).formats[6].italic);
    type(editor(), u"!"_qs);
    const RichText text = stored(program);
    EXPECT_TRUE(text.formats[7].italic);
    EXPECT_EQ(text.formats[7].twips, 240);
    EXPECT_FALSE(text.formats[6].italic);
}

TEST_F(PropertyFormTextTest, TheToolsShowUniformFormatsAndNothingForMixedOnes)
{
    data.screenPara.rgb = 2;
    build();
    Program& program = add(ItemKind::Text);
    reload(program, [](Program& changed) { changed.text()->save = QString::fromLatin1(EuroSample); });
    select(editor(), 3, 7); // "come": bold, red
    EXPECT_TRUE(pane->formatAction(BoldCommand)->isChecked());
    EXPECT_EQ(list(TextColourList)->currentIndex(), 0);
    EXPECT_EQ(list(BackColourList)->currentIndex(), 0);
    select(editor(), 0, 8); // "Welcome€": mixed bold, colours
    EXPECT_FALSE(pane->formatAction(BoldCommand)->isChecked());
    EXPECT_EQ(list(TextColourList)->currentIndex(), -1);
    EXPECT_EQ(list(BackColourList)->currentIndex(), -1);
    EXPECT_EQ(list(SizeList)->currentText(), u"9"_qs);
    EXPECT_EQ(list(FontList)->currentText(), u"Arial"_qs);
    select(editor(), 7, 8); // the euro sign, green on red
    EXPECT_EQ(list(TextColourList)->currentIndex(), 1);
    EXPECT_EQ(list(BackColourList)->currentIndex(), 1);
}

TEST_F(PropertyFormTextTest, AFaceThatIsNotInstalledLeavesTheFontListEmpty)
{
    build();
    add(ItemKind::Text);
    editor()->selectAll();
    QTextCharFormat format;
    format.setFontFamilies({ u"No Such Face 123"_qs });
    editor()->textCursor().mergeCharFormat(format);
    select(editor(), 0, 2);
    EXPECT_EQ(list(FontList)->currentIndex(), -1);
}

TEST_F(PropertyFormTextTest, WindowsWrittenTextShowsItsFormatting)
{
    data.lanID = 2052;
    build();
    Program& program = add(ItemKind::Text);
    const RichText original = RichTextFromSave(QString::fromLatin1(ChineseSample), 936);
    reload(program, [](Program& changed) { changed.text()->save = QString::fromLatin1(ChineseSample); });
    EXPECT_EQ(editor()->toPlainText(), u"欢迎使用"_qs);
    select(editor(), 0, 4);
    EXPECT_EQ(list(SizeList)->currentText(), u"9"_qs);
    EXPECT_EQ(list(TextColourList)->currentIndex(), 0);
    const QTextCharFormat shown = editor()->textCursor().charFormat();
    EXPECT_EQ(shown.fontFamilies().toStringList().value(0), u"宋体"_qs);
    pane->StoreProgram(program);
    const RichText back = RichTextFromSave(program.text()->save, 936);
    EXPECT_EQ(back.text, original.text);
    EXPECT_EQ(back.formats, original.formats);
}

TEST_F(PropertyFormTextTest, WindowsWrittenAlignmentBoldAndHighlightSurvive)
{
    build();
    Program& program = add(ItemKind::Text);
    const RichText original = RichTextFromSave(QString::fromLatin1(EuroSample), 1252);
    ASSERT_EQ(original.text, u"Welcome€"_qs);
    reload(program, [](Program& changed) {
        changed.text()->save = QString::fromLatin1(EuroSample);
        changed.text()->horAlign = 1; // the centre button wrote the \qc
    });
    EXPECT_TRUE(pane->formatAction(AlignCenterCommand)->isChecked());
    EXPECT_EQ(editor()->document()->firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
        Qt::AlignHCenter);
    pane->StoreProgram(program);
    const RichText back = stored(program);
    EXPECT_EQ(back.text, original.text);
    EXPECT_EQ(back.formats, original.formats);
    EXPECT_EQ(back.paragraphs, original.paragraphs);
    EXPECT_TRUE(back.formats[3].bold);
    EXPECT_TRUE(back.formats[7].hasBackground);
    EXPECT_EQ(back.formats[7].backColor, 0x0000FFu);
    EXPECT_EQ(back.formats[7].textColor, 0x00FF00u);
}

TEST_F(PropertyFormTextTest, ArabicTypedRightAlignedComesBackRightAligned)
{
    build();
    Program& program = add(ItemKind::Text);
    select(editor(), 0, editor()->document()->characterCount() - 1);
    type(editor(), u"مرحبا"_qs);
    pane->OnFormatCommand(AlignRightCommand);
    pane->StoreProgram(program);
    const RichText saved = stored(program);
    ASSERT_EQ(saved.paragraphs.size(), 1u);
    EXPECT_EQ(saved.paragraphs[0], (Paragraph { Alignment::Right, true }));

    // Reopened: the paragraph reads right to left and sits at the right edge.
    reload(program, [](Program&) {});
    const QTextBlock block = editor()->document()->firstBlock();
    EXPECT_EQ(block.text(), u"مرحبا"_qs);
    EXPECT_EQ(block.textDirection(), Qt::RightToLeft);
    EXPECT_EQ(block.blockFormat().alignment() & (Qt::AlignHorizontal_Mask | Qt::AlignAbsolute),
        Qt::AlignRight | Qt::AlignAbsolute);
    EXPECT_TRUE(pane->formatAction(AlignRightCommand)->isChecked());
}

TEST_F(PropertyFormTextTest, EnterBreaksTheParagraph)
{
    build();
    Program& program = add(ItemKind::Text);
    editor()->moveCursor(QTextCursor::End);
    type(editor(), u"\rAB"_qs);
    const RichText text = stored(program);
    EXPECT_EQ(text.text, u"Welcome\rAB"_qs);
    EXPECT_EQ(text.paragraphs.size(), 2u);
    EXPECT_TRUE(program.text()->save.contains(u"\\par"_qs));
    EXPECT_EQ(program.summary, u"Welcome\rAB"_qs);
    EXPECT_EQ(text.formats[9].textColor, 0x0000FFu); // the new paragraph goes on in red
}

TEST_F(PropertyFormTextTest, AlignmentButtonsFormGroupsOfThree)
{
    build();
    Program& program = add(ItemKind::Text);
    EXPECT_TRUE(pane->formatAction(AlignLeftCommand)->isChecked());
    EXPECT_TRUE(pane->formatAction(AlignMiddleCommand)->isChecked());
    data.modified = 0;
    const int before = refreshes;
    pane->formatAction(AlignCenterCommand)->trigger();
    pane->formatAction(AlignBottomCommand)->trigger();
    pane->formatAction(AlignBottomCommand)->trigger(); // pressing a pressed button keeps it pressed
    EXPECT_EQ(data.modified, 1);
    EXPECT_GE(refreshes, before + 3);
    EXPECT_FALSE(pane->formatAction(AlignLeftCommand)->isChecked());
    EXPECT_TRUE(pane->formatAction(AlignCenterCommand)->isChecked());
    EXPECT_FALSE(pane->formatAction(AlignMiddleCommand)->isChecked());
    EXPECT_TRUE(pane->formatAction(AlignBottomCommand)->isChecked());
    EXPECT_EQ(program.text()->horAlign, 1);
    EXPECT_EQ(program.text()->verAlign, 2);
    EXPECT_EQ(stored(program).paragraphs[0].alignment, Alignment::Center);

    reload(program, [](Program& changed) {
        changed.text()->verAlign = 9; // from a file: counts as top
        changed.text()->horAlign = 2;
    });
    EXPECT_TRUE(pane->formatAction(AlignTopCommand)->isChecked());
    EXPECT_TRUE(pane->formatAction(AlignRightCommand)->isChecked());
    pane->StoreProgram(program);
    EXPECT_EQ(program.text()->verAlign, 0);
}

TEST_F(PropertyFormTextTest, TheArabicBoxAndTheEffectRefreshThePreview)
{
    build();
    Program& program = add(ItemKind::Text);
    data.modified = 0;
    const int before = refreshes;
    qobject_cast<QCheckBox*>(pane->control(ArabicBox))->click();
    choose(EffectActionList, 2);
    EXPECT_EQ(refreshes, before + 2);
    EXPECT_EQ(data.modified, 1);
    EXPECT_EQ(program.text()->arabic, 1);
    EXPECT_EQ(program.text()->action, 2);
}

TEST_F(PropertyFormTextTest, ToolTipsComeFromTheLanguageTable)
{
    build();
    add(ItemKind::Text);
    auto* button = pane->formatToolBar()->findChildren<QToolButton*>().value(10);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->geometry(), QRect(240, 0, 24, 24));
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(button, &help);
    EXPECT_EQ(QToolTip::text(), texts.text(u"charSpace"));
    QToolTip::hideText();
}

} // namespace
} // namespace tessel::testing
