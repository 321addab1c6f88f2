// A property pane with a real program tree beside it in one window, as the
// main frame puts them together; the preview refresh stores the pane into
// the selected program, as the frame's refresh does, and counts the calls.
#pragma once

#include "i18n/LanguageTable.h"
#include "model/AppData.h"
#include "ui/mainframe/ProgramView.h"
#include "ui/property/PropertyForm.h"
#include "ui/property/PropertyFormIds.h"

#include <QComboBox>
#include <QTextEdit>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

// The window images are compiled into the static ui library; registering
// them again is harmless.
inline void initPropertyPaneResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace tessel::testing {

class PaneTest : public ::testing::Test {
protected:
    PaneTest()
    {
        initPropertyPaneResources();
        data.paths.dataDir = QStringLiteral(TESSEL_BIN_DIR "/");
        texts.load(data.paths.dataDir, data.lanID);
    }

    // Builds the window; settings that the first set-up reads (rgb, dataDir)
    // are set before.
    void build()
    {
        window = std::make_unique<QWidget>();
        window->resize(1137, 700);
        tree = new ProgramView(data, texts, window.get());
        tree->setGeometry(0, 0, 250, 440);
        pane = new PropertyForm(data, texts, window.get());
        pane->setGeometry(0, 450, 1137, 240);
        tree->setPropertyPane(pane);
        pane->setTreePane(tree);
        pane->setPictureImporter([](QWidget*, const QString& path) { return path; });
        pane->setRefreshPreview([this] {
            ++refreshes;
            if (Program* program = tree->SelectedProgram())
                pane->StoreProgram(*program);
        });
        tree->FirstSetUp();
        pane->FirstSetUp();
        window->show();
    }

    Program& add(ItemKind kind)
    {
        tree->AddProgramNode(kind);
        return *tree->SelectedProgram();
    }

    // Leaves the program for the root (which stores the pane into it),
    // changes it as a file could have it, and selects it again, so that the
    // pane loads it as the tree does.
    template <typename Change> void reload(Program& program, Change change)
    {
        tree->setCurrentItem(tree->rootNode());
        change(program);
        tree->setCurrentItem(tree->nodeOf(program));
    }
    void reload(Program& program)
    {
        reload(program, [](Program&) {});
    }

    QComboBox* list(int id) const { return qobject_cast<QComboBox*>(pane->control(id)); }
    QTextEdit* editor() const { return pane->visibleEditor(); }

    // What the user does when picking an entry of a drop-down list.
    void choose(int id, int index) const
    {
        list(id)->setCurrentIndex(index);
        emit list(id)->activated(index);
    }

    AppData data;
    LanguageTable texts;
    std::unique_ptr<QWidget> window;
    ProgramView* tree = nullptr;
    PropertyForm* pane = nullptr;
    int refreshes = 0;
};

} // namespace tessel::testing
