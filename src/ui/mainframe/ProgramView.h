// The program tree: one root node for the whole list and one child node per
// program, in list order. Its selection is the current program; leaving a
// program stores the property pane into it, selecting one loads it.
#pragma once

#include "model/Program.h"

#include <QIcon>
#include <QTreeWidget>
#include <array>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <vector>

class QMenu;

namespace tessel {

class AppData;
class LanguageTable;
class PropertyForm;

enum class MoveDirection { Up, Down };

class ProgramView : public QTreeWidget {
    Q_OBJECT
public:
    // Shows the pop-up at a global position and answers the chosen action
    // (nullptr when none); replaceable so that tests can choose.
    using PopupRunner = std::function<QAction*(QMenu& popup, const QPoint& globalPos)>;

    ProgramView(AppData& data, const LanguageTable& texts, QWidget* parent = nullptr);

    void setPropertyPane(PropertyForm* pane);
    void setPopupRunner(PopupRunner runner);

    // Icons and the ticked root node; its label follows with UpdateRootLabel.
    void FirstSetUp();

    // The program of the selected node; nullptr for no selection or the root.
    Program* SelectedProgram() const;
    // Marks the list modified and, below the limit, appends a program of
    // this kind with its node, which becomes the selection.
    void AddProgramNode(ItemKind kind);
    // The root deletes every program, a program node its program.
    void DeleteSelected();
    // Deletes the program of this node; the neighbour becomes the selection.
    void DeleteProgramNode(QTreeWidgetItem* node);
    // Deletes every program node and empties the program list.
    void ClearTree();
    // A node for every program of the list; the last one becomes the selection.
    void FillTree();
    // The tree follows a program list that was replaced as a whole (the old
    // records no longer exist).
    void RebuildTree();
    void SetNodeLabel(QTreeWidgetItem* node, const Program& program);
    void UpdateRootLabel();
    void MoveSelected(MoveDirection direction);
    // The commands of the two pop-ups (600-605, 610-612).
    void RunPopupCommand(int command);

    QTreeWidgetItem* rootNode() const { return rootNode_; }
    QTreeWidgetItem* nodeOf(const Program& program) const;

    // Edit › Undo and Redo: the list's structural changes (add, delete,
    // move, tick, rename). Emptied when another list is read or the list is
    // closed.
    QUndoStack& undoStack() { return undoStack_; }
    // The name field changed the selected program's name.
    void programRenamed(Program& program, const QString& oldName);

    // What the undo commands do to the list; each keeps tree and list in step.
    // A program back at a list position, selected.
    void insertProgramAt(int index, std::unique_ptr<Program> program);
    // The program at a list position, removed with its node.
    std::unique_ptr<Program> takeProgramAt(int index);
    // Every program, removed with the nodes.
    std::vector<std::unique_ptr<Program>> takeAllPrograms();
    // Programs taken by takeAllPrograms, back in their order.
    void restoreAllPrograms(std::vector<std::unique_ptr<Program>> programs);
    void moveProgramAt(int index, MoveDirection direction);
    // Every program's tick and the root's, as given.
    void setTicks(const std::vector<int32_t>& checks, Qt::CheckState root);
    std::vector<int32_t> ticks() const;
    Qt::CheckState rootTick() const { return rootTick_; }
    void setProgramName(int index, const QString& name);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void drawKindIcons();
    void onCurrentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void onItemChanged(QTreeWidgetItem* node, int column);
    void showPopup(QTreeWidgetItem* node, const QPoint& globalPos);
    // From the keyboard: the pop-up of the selected node, below its label.
    void showPopupOfSelection();
    Program* programOf(const QTreeWidgetItem* node) const;
    QTreeWidgetItem* appendNode(Program& program);
    void removeProgramNodes();
    // The property pane's pending edits go into the selected program.
    void storeSelected();
    // The pane shows the program again after its record changed under it.
    void reshow(Program& program);
    void tickAll(bool ticked);
    // Exchanges the selected program with its neighbour; false when it cannot move.
    bool moveSelectedNode(MoveDirection direction);

    AppData& data_;
    const LanguageTable& texts_;
    PropertyForm* propertyPane_ = nullptr;
    PopupRunner popupRunner_;
    QTreeWidgetItem* rootNode_ = nullptr;
    std::array<QIcon, ItemKindCount> kindIcons_;
    QIcon listIcon_;
    bool commitOnLeave_ = true; // false: the next selection change skips the store once
    bool loadOnSelect_ = true; // false: the next selection change skips the load once
    bool labelling_ = false; // check states are being set from the programs
    // The root's box as the user left it: label updates report the root as
    // changed too, and only a change of this state is the user's tick.
    Qt::CheckState rootTick_ = Qt::Checked;
    QUndoStack undoStack_;
};

} // namespace tessel
