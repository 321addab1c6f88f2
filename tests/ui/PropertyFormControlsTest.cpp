// The options of the property pane: the colour lists by colour mode, the
// controls by kind, the name, stored list indices and the picture file.
#include "PropertyFormTest.h"

#include "ui/property/ColourLists.h"
#include "ui/property/ColourPickerButton.h"

#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>

namespace tessel::testing {
namespace {

QStringList entries(const QComboBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

using PropertyFormControlsTest = PaneTest;

TEST_F(PropertyFormControlsTest, ColourListsFollowTheColourMode)
{
    data.screenPara.rgb = 0; // "R"
    build();
    EXPECT_EQ(entries(list(BorderColorList)), QStringList { u"Red"_qs });
    EXPECT_EQ(entries(list(TextColourList)), QStringList { u"Red"_qs });
    EXPECT_EQ(entries(list(BackColourList)), (QStringList { u"Black"_qs, u"Red"_qs }));
    EXPECT_FALSE(list(BackColourList)->itemIcon(1).isNull());

    data.screenPara.rgb = 2; // "RGB"
    pane->refreshColourLists();
    EXPECT_EQ(list(BorderColorList)->count(), 7);
    EXPECT_EQ(list(TextColourList)->count(), 7);
    EXPECT_EQ(entries(list(BackColourList)),
        (QStringList { u"Black"_qs, u"Red"_qs, u"Green"_qs, u"Yellow"_qs, u"Blue"_qs, u"Magenta"_qs, u"Cyan"_qs,
            u"White"_qs }));
}

TEST(ColourListsTest, AColourModeFromAFileBeyondRgbOffersTheEightColours)
{
    EXPECT_EQ(screenColourCount(1), 4);
    EXPECT_EQ(screenColourCount(200), 8);
}

TEST_F(PropertyFormControlsTest, TheFontListHoldsEveryFaceOnceAndTheDefaultFaces)
{
    build();
    QStringList faces = entries(list(FontList));
    EXPECT_EQ(faces.removeDuplicates(), 0);
    for (const QString& face : faces)
        EXPECT_FALSE(face.endsWith(QLatin1Char(']'))) << face.toStdString(); // no foundry names
    EXPECT_TRUE(faces.contains(u"Arial"_qs));
    EXPECT_TRUE(faces.contains(u"宋体"_qs));
}

TEST_F(PropertyFormControlsTest, KindsShowTheirControls)
{
    build();
    Program& animation = add(ItemKind::Animation);
    EXPECT_TRUE(pane->control(BrowseButton)->isVisible());
    EXPECT_FALSE(pane->control(TextEditor)->isVisible());
    EXPECT_FALSE(pane->control(EffectActionList)->isEnabled());
    EXPECT_FALSE(pane->control(EffectSpeedList)->isEnabled());
    EXPECT_TRUE(pane->control(EffectStayList)->isEnabled());

    add(ItemKind::Text);
    EXPECT_TRUE(pane->control(TextEditor)->isVisible());
    EXPECT_TRUE(pane->formatToolBar()->isVisible());
    EXPECT_FALSE(pane->control(BrowseButton)->isVisible());
    EXPECT_TRUE(pane->control(EffectActionList)->isEnabled());
    EXPECT_TRUE(pane->control(EffectSpeedList)->isEnabled());

    reload(animation);
    tree->setCurrentItem(tree->rootNode());
    EXPECT_EQ(pane->shownKind(), NoKindShown);
    EXPECT_FALSE(pane->control(NameEdit)->isVisible());
    EXPECT_TRUE(pane->control(EffectActionList)->isEnabled());
}

TEST_F(PropertyFormControlsTest, LoadingMarksNothingModifiedAndEditsDo)
{
    build();
    Program& program = add(ItemKind::Image);
    data.modified = 0;
    reload(program);
    EXPECT_EQ(data.modified, 0);
    choose(BorderSpeedList, 3);
    EXPECT_EQ(data.modified, 1);
    EXPECT_EQ(program.borderSpeed, 0); // stored by the next StoreProgram
    pane->StoreProgram(program);
    EXPECT_EQ(program.borderSpeed, 3);
}

TEST_F(PropertyFormControlsTest, AStoredIndexOutsideAListIsShownAsNoSelectionAndStoredAs255)
{
    data.screenPara.rgb = 0;
    build();
    Program& program = add(ItemKind::Text);
    reload(program, [](Program& changed) {
        changed.borderColor = 3; // a colour the "R" screen does not offer
        changed.text()->action = 40;
    });
    EXPECT_EQ(list(BorderColorList)->currentIndex(), -1);
    EXPECT_EQ(list(EffectActionList)->currentIndex(), -1);
    pane->StoreProgram(program);
    EXPECT_EQ(program.borderColor, 255);
    EXPECT_EQ(program.text()->action, 255);
}

TEST_F(PropertyFormControlsTest, AnEmptyNameKeepsTheOldName)
{
    build();
    Program& program = add(ItemKind::Image);
    const QString oldName = program.name;
    auto* name = qobject_cast<QLineEdit*>(pane->control(NameEdit));
    name->setText(u"Door"_qs);
    EXPECT_EQ(program.name, u"Door"_qs);
    EXPECT_EQ(tree->nodeOf(program)->text(0), u"Door"_qs);
    name->clear();
    pane->StoreProgram(program);
    EXPECT_EQ(program.name, u"Door"_qs);
    EXPECT_EQ(tree->nodeOf(program)->text(0), u"Door"_qs);
    EXPECT_NE(oldName, program.name);
    EXPECT_EQ(name->maxLength(), 24);
}

TEST_F(PropertyFormControlsTest, BrowsingTakesAnExistingFileByKind)
{
    QTemporaryDir folder;
    const QString bmp = folder.filePath(u"door.bmp"_qs);
    QImage(8, 8, QImage::Format_RGB32).save(bmp, "BMP");
    const QString gif = folder.filePath(u"wave.gif"_qs);
    QFile(gif).open(QIODevice::WriteOnly);
    build();
    QString filter;
    QString answer;
    pane->setFileChooser([&](QWidget*, const QString& asked) {
        filter = asked;
        return answer;
    });
    auto* browse = qobject_cast<QPushButton*>(pane->control(BrowseButton));
    auto* path = qobject_cast<QLineEdit*>(pane->control(FilePathEdit));

    Program& image = add(ItemKind::Image);
    data.modified = 0;
    const int before = refreshes;
    answer = folder.filePath(u"missing.bmp"_qs);
    browse->click();
    EXPECT_EQ(filter, u"Image file(*.bmp *.png *.jpg *.jpeg *.gif)"_qs);
    EXPECT_TRUE(path->text().isEmpty());
    EXPECT_EQ(data.modified, 0);
    answer = bmp;
    browse->click();
    EXPECT_EQ(path->text(), bmp);
    EXPECT_EQ(data.modified, 1);
    EXPECT_EQ(refreshes, before + 1);
    EXPECT_EQ(image.image()->fileName, bmp); // the refresh stored it

    Program& animation = add(ItemKind::Animation);
    data.modified = 0;
    const int beforeGif = refreshes;
    answer = gif;
    browse->click();
    EXPECT_EQ(filter, u"Gif file(*.gif)"_qs);
    EXPECT_EQ(path->text(), gif);
    EXPECT_EQ(data.modified, 0);
    EXPECT_EQ(refreshes, beforeGif);
    EXPECT_TRUE(animation.image()->fileName.isEmpty());
    pane->StoreProgram(animation);
    EXPECT_EQ(animation.image()->fileName, gif);

    answer.clear(); // cancel
    browse->click();
    EXPECT_EQ(path->text(), gif);
}

TEST_F(PropertyFormControlsTest, TheColourPickerShowsAndStoresTheBackgroundColour)
{
    build();
    Program& image = add(ItemKind::Image);
    auto* picker = qobject_cast<ColourPickerButton*>(pane->control(DelBgColorButton));
    EXPECT_EQ(picker->colour(), 0xFFFFFFu);
    EXPECT_EQ(picker->icon().pixmap(36, 12).toImage().pixelColor(18, 6), QColor(255, 255, 255));
    data.modified = 0;
    picker->setChooser([](const QColor&, QWidget*) { return QColor(); });
    picker->click();
    EXPECT_EQ(data.modified, 0);
    picker->setChooser([](const QColor&, QWidget*) { return QColor(0, 0, 255); });
    picker->click();
    EXPECT_EQ(data.modified, 1);
    pane->StoreProgram(image);
    EXPECT_EQ(image.image()->delBgColor, 0xFF0000);
}

} // namespace
} // namespace tessel::testing
