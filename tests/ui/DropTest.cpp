// Files and text dropped on the real widgets of a started main window: a
// program file opens (after the save question), a picture becomes the
// picture of an image program through the picture import, text goes into
// the editor; anything else is refused.
#include "MainFrameTestSupport.h"

#include "ui/preview/PreviewForm.h"
#include "ui/property/PropertyForm.h"
#include "ui/property/PropertyFormIds.h"

#include <QDropEvent>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QUrl>

namespace tessel::test {
namespace {

class DropTest : public StartedMainFrameTest {
protected:
    void SetUp() override
    {
        StartedMainFrameTest::SetUp();
        frame->propertyPane()->setPictureImporter([this](QWidget*, const QString& path) {
            imported.push_back(path);
            return importAnswer.isNull() ? path : importAnswer;
        });
        picture = exeDir + QStringLiteral("photo.png");
        QImage image(40, 12, QImage::Format_RGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(image.save(picture));
    }

    static std::unique_ptr<QMimeData> files(const QStringList& paths)
    {
        auto data = std::make_unique<QMimeData>();
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data->setUrls(urls);
        return data;
    }

    // The drag enters the widget and is let go there, as the window system
    // delivers it; answers whether the widget took the drag.
    bool drop(QWidget& widget, const QMimeData& data, QPoint at = QPoint(-1, -1))
    {
        if (at == QPoint(-1, -1))
            at = widget.rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&widget, &enter);
        if (!enter.isAccepted())
            return false;
        QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&widget, &move);
        QDropEvent release(QPointF(at), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&widget, &release);
        // What the drop starts runs once the drop is answered.
        QCoreApplication::processEvents();
        return release.isAccepted();
    }

    QString filePath() const
    {
        return qobject_cast<QLineEdit*>(frame->propertyPane()->control(FilePathEdit))->text();
    }

    QString picture;
    QString importAnswer;
    std::vector<QString> imported;
};

TEST_F(DropTest, AProgramFileDroppedAnywhereOnTheWindowOpensIt)
{
    const QString list = exeDir + writeProgramList(QStringLiteral("three.led"), 3);
    frame->OnCommand(1101);
    frame->OnCommand(1101);
    frame->propertyPane()->visibleEditor()->setFocus();
    // Over the editor a program file is no text to insert.
    const QString before = frame->propertyPane()->visibleEditor()->toPlainText();
    ASSERT_EQ(data.modified, 1);
    script.answers = { SaveAnswer::Cancel };
    EXPECT_TRUE(drop(*frame->propertyPane()->visibleEditor()->viewport(), *files({ list })));
    ASSERT_EQ(script.questions.size(), 1u);
    EXPECT_EQ(data.programs.size(), 2u) << "Cancel keeps the list";
    EXPECT_EQ(frame->propertyPane()->visibleEditor()->toPlainText(), before);

    script.answers = { SaveAnswer::No };
    EXPECT_TRUE(drop(*frame->previewPane(), *files({ list })));
    EXPECT_EQ(script.questions.size(), 2u);
    ASSERT_EQ(data.programs.size(), 3u);
    EXPECT_EQ(data.fileName, QStringLiteral("three.led"));
    EXPECT_EQ(data.recentFiles.back().fileName, QStringLiteral("three.led"));

    // An unmodified list opens without a question, also dropped on the tree.
    const QString other = exeDir + writeProgramList(QStringLiteral("one.led"), 1);
    EXPECT_TRUE(drop(*tree().viewport(), *files({ other })));
    EXPECT_EQ(script.questions.size(), 2u);
    EXPECT_EQ(data.programs.size(), 1u);
    EXPECT_EQ(data.fileName, QStringLiteral("one.led"));
}

TEST_F(DropTest, APictureDroppedOnTheTreeBecomesAnImageProgramThroughTheImport)
{
    EXPECT_TRUE(drop(*tree().viewport(), *files({ picture })));
    ASSERT_EQ(data.programs.size(), 1u);
    EXPECT_EQ(data.programs[0]->type, static_cast<uint8_t>(ItemKind::Image));
    EXPECT_EQ(imported, std::vector<QString> { picture });
    EXPECT_EQ(filePath(), picture);
    EXPECT_EQ(data.modified, 1);

    // The converted picture is the one the program takes.
    importAnswer = exeDir + QStringLiteral("photo-led.bmp");
    EXPECT_TRUE(drop(*tree().viewport(), *files({ picture })));
    ASSERT_EQ(data.programs.size(), 2u);
    EXPECT_EQ(filePath(), importAnswer);

    // Not beyond the limit of the list.
    while (data.programs.size() < MaxPrograms)
        frame->OnCommand(1101);
    drop(*tree().viewport(), *files({ picture }));
    EXPECT_EQ(data.programs.size(), static_cast<size_t>(MaxPrograms));
}

TEST_F(DropTest, APictureDroppedOnThePicturePaneGoesThroughTheImport)
{
    frame->OnCommand(1102);
    PropertyForm& pane = *frame->propertyPane();
    EXPECT_TRUE(drop(pane, *files({ picture })));
    EXPECT_EQ(imported.size(), 1u);
    EXPECT_EQ(filePath(), picture);

    // A cancelled import leaves the program as it was.
    frame->propertyPane()->setPictureImporter([](QWidget*, const QString&) { return QString(); });
    const QString other = exeDir + QStringLiteral("other.png");
    ASSERT_TRUE(QFile::copy(picture, other));
    EXPECT_TRUE(drop(pane, *files({ other })));
    EXPECT_EQ(filePath(), picture);

    // A text program has no picture to take.
    frame->OnCommand(1101);
    EXPECT_FALSE(drop(pane, *files({ picture })));
}

TEST_F(DropTest, WhatIsNoSingleFileOfAKnownTypeIsRefused)
{
    frame->OnCommand(1102);
    const QString notes = exeDir + QStringLiteral("notes.txt");
    QFile file(notes);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
    file.close();
    const QString list = exeDir + writeProgramList(QStringLiteral("two.led"), 2);
    for (QWidget* target : { static_cast<QWidget*>(frame.get()), tree().viewport(),
             static_cast<QWidget*>(frame->propertyPane()) }) {
        EXPECT_FALSE(drop(*target, *files({ notes })));
        EXPECT_FALSE(drop(*target, *files({ list, picture })));
        EXPECT_FALSE(drop(*target, *files({ exeDir + QStringLiteral("missing.led") })));
    }
    EXPECT_TRUE(imported.empty());
    EXPECT_TRUE(script.questions.empty());
    EXPECT_EQ(data.programs.size(), 1u);
}

TEST_F(DropTest, TextDroppedIntoTheEditorIsInserted)
{
    frame->OnCommand(1101);
    QTextEdit& editor = *frame->propertyPane()->visibleEditor();
    editor.setPlainText(QStringLiteral("Hello"));
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    QMimeData text;
    text.setText(QStringLiteral(" world"));
    const QPoint end = editor.cursorRect(QTextCursor(editor.document()->lastBlock())).center()
        + QPoint(editor.fontMetrics().horizontalAdvance(QStringLiteral("Hello")) + 20, 0);
    EXPECT_TRUE(drop(*editor.viewport(), text, end));
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("Hello world"));
    EXPECT_EQ(data.programs[0]->summary, QStringLiteral("Hello world"));
}

} // namespace
} // namespace tessel::test
