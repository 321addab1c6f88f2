#include "ui/mainframe/ProgramView.h"

#include "i18n/LanguageTable.h"
#include "model/AppData.h"
#include "ui/mainframe/MenuIds.h"
#include "ui/mainframe/ProgramListCommands.h"
#include "ui/property/PropertyForm.h"
#include "ui/ThemedIcon.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>
#include <array>
#include <span>
#include <utility>

namespace tessel {

namespace {

// The language word of each kind: program names and tree labels use it.
const char* const KindWords[ItemKindCount] = { "text", "image", "animation", "time", "count" };
const char* const KindIcons[ItemKindCount] = { ":/tree/text.svg", ":/tree/image.svg", ":/tree/animation.svg",
    ":/tree/time.svg", ":/tree/count.svg" };

Qt::CheckState checkState(bool ticked)
{
    return ticked ? Qt::Checked : Qt::Unchecked;
}

QTreeWidgetItem* newProgramNode()
{
    auto* node = new QTreeWidgetItem();
    node->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    return node;
}

} // namespace

ProgramView::ProgramView(AppData& data, const LanguageTable& texts, QWidget* parent)
    : QTreeWidget(parent)
    , data_(data)
    , texts_(texts)
    , popupRunner_([](QMenu& popup, const QPoint& globalPos) { return popup.exec(globalPos); })
{
    setColumnCount(1);
    header()->hide();
    setRootIsDecorated(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(16, 16));
    drawKindIcons();
    connect(this, &QTreeWidget::currentItemChanged, this, &ProgramView::onCurrentItemChanged);
    connect(this, &QTreeWidget::itemChanged, this, &ProgramView::onItemChanged);
}

// One icon per kind, shared by every node, drawn for the palette in force.
void ProgramView::drawKindIcons()
{
    for (size_t i = 0; i < kindIcons_.size(); ++i)
        kindIcons_[i] = paletteIcon(QString::fromLatin1(KindIcons[i]), palette(), IconSurface::Base);
    listIcon_ = paletteIcon(QStringLiteral(":/tree/list.svg"), palette(), IconSurface::Base);
}

void ProgramView::changeEvent(QEvent* event)
{
    QTreeWidget::changeEvent(event);
    if (event->type() != QEvent::PaletteChange)
        return;
    drawKindIcons();
    if (!rootNode_)
        return;
    const bool wasLabelling = std::exchange(labelling_, true);
    rootNode_->setIcon(0, listIcon_);
    for (int i = 0; i < rootNode_->childCount(); ++i)
        if (const Program* program = programOf(rootNode_->child(i)))
            rootNode_->child(i)->setIcon(0, program->type < ItemKindCount ? kindIcons_[program->type] : QIcon());
    labelling_ = wasLabelling;
}

void ProgramView::setPropertyPane(PropertyForm* pane)
{
    propertyPane_ = pane;
}

void ProgramView::setPopupRunner(PopupRunner runner)
{
    popupRunner_ = std::move(runner);
}

void ProgramView::FirstSetUp()
{
    if (rootNode_)
        return;
    labelling_ = true;
    rootNode_ = new QTreeWidgetItem(this);
    rootNode_->setIcon(0, listIcon_);
    rootNode_->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    rootNode_->setCheckState(0, Qt::Checked);
    rootTick_ = Qt::Checked;
    rootNode_->setExpanded(true);
    labelling_ = false;
}

Program* ProgramView::programOf(const QTreeWidgetItem* node) const
{
    if (!node || node == rootNode_)
        return nullptr;
    return data_.findProgram(node);
}

Program* ProgramView::SelectedProgram() const
{
    return programOf(currentItem());
}

QTreeWidgetItem* ProgramView::nodeOf(const Program& program) const
{
    // A program's node is cleared whenever its node goes, so it is either
    // empty or a live child of the root.
    auto* node = static_cast<QTreeWidgetItem*>(const_cast<void*>(program.treeItem));
    return rootNode_ && node && node->parent() == rootNode_ ? node : nullptr;
}

void ProgramView::SetNodeLabel(QTreeWidgetItem* node, const Program& program)
{
    if (!node)
        return;
    QString label = program.name;
    if (program.type == static_cast<uint8_t>(ItemKind::Text) && !program.summary.isEmpty())
        label += QLatin1Char('(') + program.summary + QLatin1Char(')');
    const bool wasLabelling = std::exchange(labelling_, true);
    node->setCheckState(0, checkState(program.check != 0));
    node->setText(0, label);
    node->setIcon(0, program.type < ItemKindCount ? kindIcons_[program.type] : QIcon());
    labelling_ = wasLabelling;
}

void ProgramView::UpdateRootLabel()
{
    if (!rootNode_)
        return;
    const bool wasLabelling = std::exchange(labelling_, true);
    rootNode_->setText(0,
        texts_.text(u"programLists") + QLatin1Char('(') + QString::number(data_.programCount) + QLatin1Char(')'));
    labelling_ = wasLabelling;
}

QTreeWidgetItem* ProgramView::appendNode(Program& program)
{
    QTreeWidgetItem* node = newProgramNode();
    program.treeItem = node;
    SetNodeLabel(node, program);
    rootNode_->addChild(node);
    rootNode_->setExpanded(true);
    return node;
}

void ProgramView::AddProgramNode(ItemKind kind)
{
    if (!rootNode_)
        return;
    Program* program
        = data_.addProgram(kind, texts_.text(QString::fromLatin1(KindWords[static_cast<int>(kind)])));
    if (!program)
        return;
    setCurrentItem(appendNode(*program));
    UpdateRootLabel();
    undoStack_.push(new AddProgramCommand(*this, static_cast<int>(data_.programs.size()) - 1));
    // The user adds a text to type it.
    if (kind == ItemKind::Text && propertyPane_)
        propertyPane_->focusNewText();
}

void ProgramView::FillTree()
{
    if (!rootNode_)
        return;
    // The nodes are labelled before they join the tree, and join it at once:
    // a node in the tree reports each change, and the tree lays itself out
    // again for each insertion.
    QList<QTreeWidgetItem*> nodes;
    nodes.reserve(static_cast<qsizetype>(data_.programs.size()));
    for (const auto& program : data_.programs) {
        QTreeWidgetItem* node = newProgramNode();
        program->treeItem = node;
        SetNodeLabel(node, *program);
        nodes.append(node);
    }
    rootNode_->addChildren(nodes);
    rootNode_->setExpanded(true);
    if (!nodes.isEmpty())
        setCurrentItem(nodes.last());
    UpdateRootLabel();
}

void ProgramView::removeProgramNodes()
{
    // The selection leaves the nodes before they go, so that every selection
    // change sees a node that still exists.
    if (currentItem() && currentItem() != rootNode_)
        setCurrentItem(rootNode_);
    for (const auto& program : data_.programs)
        program->treeItem = nullptr;
    qDeleteAll(rootNode_->takeChildren());
}

void ProgramView::ClearTree()
{
    if (!rootNode_)
        return;
    std::vector<std::unique_ptr<Program>> deleted = takeAllPrograms();
    if (!deleted.empty())
        undoStack_.push(new DeleteAllCommand(*this, std::move(deleted)));
}

void ProgramView::RebuildTree()
{
    if (!rootNode_)
        return;
    // The records the nodes stood for are gone: nothing may be stored into
    // them, and nothing of the old list can be undone.
    undoStack_.clear();
    commitOnLeave_ = false;
    removeProgramNodes();
    commitOnLeave_ = true;
    FillTree();
}

void ProgramView::storeSelected()
{
    if (Program* program = SelectedProgram(); program && propertyPane_)
        propertyPane_->StoreProgram(*program);
}

void ProgramView::reshow(Program& program)
{
    QTreeWidgetItem* node = nodeOf(program);
    if (!node)
        return;
    if (currentItem() != node) {
        setCurrentItem(node);
    } else if (propertyPane_) {
        propertyPane_->setLoaded(false);
        propertyPane_->ShowProgram(program);
    }
}

void ProgramView::insertProgramAt(int index, std::unique_ptr<Program> program)
{
    if (!rootNode_ || !program)
        return;
    storeSelected();
    index = std::clamp(index, 0, static_cast<int>(data_.programs.size()));
    Program* inserted = data_.insertProgram(static_cast<size_t>(index), std::move(program));
    QTreeWidgetItem* node = newProgramNode();
    inserted->treeItem = node;
    SetNodeLabel(node, *inserted);
    rootNode_->insertChild(index, node);
    rootNode_->setExpanded(true);
    // The pane was stored above: the program being left keeps its edits.
    commitOnLeave_ = false;
    setCurrentItem(node);
    commitOnLeave_ = true;
    UpdateRootLabel();
}

std::unique_ptr<Program> ProgramView::takeProgramAt(int index)
{
    if (!rootNode_ || index < 0 || index >= static_cast<int>(data_.programs.size()))
        return nullptr;
    storeSelected();
    QTreeWidgetItem* node = nodeOf(*data_.programs[static_cast<size_t>(index)]);
    if (node && currentItem() == node) {
        QTreeWidgetItem* neighbour = itemBelow(node);
        if (!neighbour)
            neighbour = itemAbove(node);
        commitOnLeave_ = false;
        setCurrentItem(neighbour);
        commitOnLeave_ = true;
    }
    std::unique_ptr<Program> program = data_.takeProgram(static_cast<size_t>(index));
    program->treeItem = nullptr;
    delete node;
    UpdateRootLabel();
    return program;
}

std::vector<std::unique_ptr<Program>> ProgramView::takeAllPrograms()
{
    std::vector<std::unique_ptr<Program>> taken;
    if (!rootNode_)
        return taken;
    storeSelected();
    commitOnLeave_ = false;
    removeProgramNodes();
    commitOnLeave_ = true;
    // From the end, so that each removal is cheap.
    taken.reserve(data_.programs.size());
    while (!data_.programs.empty())
        taken.push_back(data_.takeProgram(data_.programs.size() - 1));
    std::reverse(taken.begin(), taken.end());
    UpdateRootLabel();
    return taken;
}

void ProgramView::restoreAllPrograms(std::vector<std::unique_ptr<Program>> programs)
{
    if (!rootNode_)
        return;
    for (auto& program : programs)
        data_.insertProgram(data_.programs.size(), std::move(program));
    FillTree();
}

void ProgramView::moveProgramAt(int index, MoveDirection direction)
{
    if (index < 0 || index >= static_cast<int>(data_.programs.size()))
        return;
    if (QTreeWidgetItem* node = nodeOf(*data_.programs[static_cast<size_t>(index)])) {
        setCurrentItem(node);
        moveSelectedNode(direction);
    }
}

std::vector<int32_t> ProgramView::ticks() const
{
    std::vector<int32_t> checks;
    checks.reserve(data_.programs.size());
    for (const auto& program : data_.programs)
        checks.push_back(program->check);
    return checks;
}

void ProgramView::setTicks(const std::vector<int32_t>& checks, Qt::CheckState root)
{
    if (!rootNode_)
        return;
    const bool wasLabelling = std::exchange(labelling_, true);
    for (size_t i = 0; i < data_.programs.size() && i < checks.size(); ++i) {
        Program& program = *data_.programs[i];
        if (program.check == checks[i])
            continue;
        program.check = checks[i];
        data_.modified = 1;
        if (QTreeWidgetItem* node = nodeOf(program))
            node->setCheckState(0, checkState(program.check != 0));
    }
    rootTick_ = root;
    rootNode_->setCheckState(0, root);
    labelling_ = wasLabelling;
}

void ProgramView::setProgramName(int index, const QString& name)
{
    if (index < 0 || index >= static_cast<int>(data_.programs.size()))
        return;
    storeSelected();
    Program& program = *data_.programs[static_cast<size_t>(index)];
    program.name = name;
    data_.modified = 1;
    SetNodeLabel(nodeOf(program), program);
    reshow(program);
}

void ProgramView::programRenamed(Program& program, const QString& oldName)
{
    if (program.name != oldName)
        undoStack_.push(new RenameCommand(*this, data_.indexOf(&program), oldName, program.name));
}

void ProgramView::DeleteSelected()
{
    QTreeWidgetItem* node = currentItem();
    if (!node)
        return;
    if (node == rootNode_)
        ClearTree();
    else
        DeleteProgramNode(node);
}

void ProgramView::DeleteProgramNode(QTreeWidgetItem* node)
{
    Program* program = programOf(node);
    if (!program)
        return;
    // The pane's edits are stored first, so that undo brings them back; the
    // store is then skipped for the change made by the deletion itself.
    const int index = data_.indexOf(program);
    std::unique_ptr<Program> deleted = takeProgramAt(index);
    if (deleted)
        undoStack_.push(new DeleteProgramCommand(*this, index, std::move(deleted)));
}

void ProgramView::MoveSelected(MoveDirection direction)
{
    const int from = data_.indexOf(SelectedProgram());
    if (moveSelectedNode(direction))
        undoStack_.push(new MoveProgramCommand(*this, from, direction));
}

bool ProgramView::moveSelectedNode(MoveDirection direction)
{
    Program* program = SelectedProgram();
    if (!program)
        return false;
    const int i = data_.indexOf(program);
    const int j = direction == MoveDirection::Up ? i - 1 : i + 1;
    if (i < 0 || j < 0 || j >= static_cast<int>(data_.programs.size()))
        return false;
    Program* other = data_.programs[j].get();
    QTreeWidgetItem* nodeI = nodeOf(*program);
    QTreeWidgetItem* nodeJ = nodeOf(*other);
    if (!nodeI || !nodeJ)
        return false;
    const bool moved
        = direction == MoveDirection::Up ? data_.moveProgramUp(program) : data_.moveProgramDown(program);
    if (!moved)
        return false;
    // The nodes keep their places and exchange their contents.
    program->treeItem = nodeJ;
    other->treeItem = nodeI;
    SetNodeLabel(nodeJ, *program);
    SetNodeLabel(nodeI, *other);
    // The pane keeps showing the moved program with its edits not yet stored.
    commitOnLeave_ = false;
    loadOnSelect_ = false;
    setCurrentItem(nodeJ);
    return true;
}

void ProgramView::onCurrentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous)
{
    if (!commitOnLeave_)
        commitOnLeave_ = true;
    else if (Program* left = programOf(previous); left && propertyPane_)
        propertyPane_->StoreProgram(*left);

    if (!loadOnSelect_) {
        loadOnSelect_ = true;
        return;
    }
    if (!propertyPane_)
        return;
    propertyPane_->setLoaded(false);
    if (Program* program = programOf(current))
        propertyPane_->ShowProgram(*program);
    else
        propertyPane_->HideProgramControls();
}

void ProgramView::onItemChanged(QTreeWidgetItem* node, int column)
{
    if (labelling_ || column != 0 || !rootNode_)
        return;
    const Qt::CheckState state = node->checkState(0);
    const bool ticked = state == Qt::Checked;
    // The tree reports every change of a node, its label too: only a box
    // that differs from what it stands for was ticked by the user.
    if (node == rootNode_) {
        if (state == rootTick_)
            return;
        const std::vector<int32_t> before = ticks();
        const Qt::CheckState rootBefore = std::exchange(rootTick_, state);
        tickAll(ticked);
        undoStack_.push(new TickCommand(*this, before, rootBefore));
    } else if (Program* program = programOf(node)) {
        if ((program->check != 0) == ticked)
            return;
        const std::vector<int32_t> before = ticks();
        // The ticks are saved with the list: a changed tick leaves it modified.
        program->check = ticked ? 1 : 0;
        data_.modified = 1;
        undoStack_.push(new TickCommand(*this, before, rootTick_));
    }
}

void ProgramView::tickAll(bool ticked)
{
    const bool wasLabelling = std::exchange(labelling_, true);
    for (const auto& program : data_.programs) {
        if ((program->check != 0) == ticked)
            continue;
        program->check = ticked ? 1 : 0;
        data_.modified = 1;
        if (QTreeWidgetItem* child = nodeOf(*program))
            child->setCheckState(0, checkState(ticked));
    }
    labelling_ = wasLabelling;
}

void ProgramView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton) {
        // A click on a check box selects its node first, as any click on a
        // node does; the box is ticked when the button is released.
        if (QTreeWidgetItem* hit = itemAt(event->position().toPoint());
            hit && event->button() == Qt::LeftButton)
            setCurrentItem(hit);
        QTreeWidget::mousePressEvent(event);
        return;
    }
    QTreeWidgetItem* hit = itemAt(event->position().toPoint());
    if (!hit) {
        setCurrentItem(nullptr);
        clearSelection();
        return;
    }
    showPopup(hit, event->globalPosition().toPoint());
}

void ProgramView::keyPressEvent(QKeyEvent* event)
{
    // Alt+Up and Alt+Down move the selected program as its pop-up does.
    const bool upOrDown = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    if (event->modifiers() == Qt::AltModifier && upOrDown) {
        MoveSelected(event->key() == Qt::Key_Up ? MoveDirection::Up : MoveDirection::Down);
        return;
    }
    // The Menu key, when the window system does not report it as a request
    // for a pop-up, and Shift+F10 open the selected node's pop-up.
    if ((event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier)
        || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        showPopupOfSelection();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void ProgramView::contextMenuEvent(QContextMenuEvent* event)
{
    // The pointer's pop-up opens on the button press already.
    if (event->reason() == QContextMenuEvent::Mouse) {
        event->ignore();
        return;
    }
    showPopupOfSelection();
}

void ProgramView::showPopupOfSelection()
{
    QTreeWidgetItem* node = currentItem();
    if (!node || !node->isSelected())
        return;
    scrollToItem(node);
    const QRect place = visualItemRect(node);
    showPopup(node, viewport()->mapToGlobal(QPoint(place.left(), place.bottom())));
}

void ProgramView::showPopup(QTreeWidgetItem* node, const QPoint& globalPos)
{
    struct Item {
        int command;
        const char16_t* key;
    };
    static constexpr Item RootItems[] = { { RootDeleteCommand, u"del" }, { RootAddTextCommand, u"addText" },
        { RootAddTextCommand + 1, u"addImage" }, { RootAddTextCommand + 2, u"addAnimation" },
        { RootAddTextCommand + 3, u"addTime" }, { RootAddCountCommand, u"addCount" } };
    static constexpr Item ProgramItems[] = { { ProgramDeleteCommand, u"del" },
        { ProgramMoveUpCommand, u"moveUp" }, { ProgramMoveDownCommand, u"moveDown" } };

    QMenu popup(this);
    const bool onRoot = node == rootNode_;
    const std::span<const Item> items
        = onRoot ? std::span<const Item>(RootItems) : std::span<const Item>(ProgramItems);
    for (const Item& item : items) {
        QAction* action = popup.addAction(texts_.text(item.key));
        action->setData(item.command);
        // Animation, clock and counter programs are not offered.
        action->setEnabled(!onRoot || item.command <= RootAddTextCommand + 1);
    }
    QAction* chosen = popupRunner_(popup, globalPos);
    // The command acts on the node that was right-clicked.
    setCurrentItem(node);
    if (chosen)
        RunPopupCommand(chosen->data().toInt());
}

void ProgramView::RunPopupCommand(int command)
{
    switch (command) {
    case RootDeleteCommand:
        data_.modified = 1;
        DeleteSelected();
        break;
    case ProgramDeleteCommand:
        data_.modified = 1;
        DeleteProgramNode(currentItem());
        break;
    case ProgramMoveUpCommand:
        MoveSelected(MoveDirection::Up);
        break;
    case ProgramMoveDownCommand:
        MoveSelected(MoveDirection::Down);
        break;
    default:
        if (command >= RootAddTextCommand && command <= RootAddCountCommand)
            AddProgramNode(static_cast<ItemKind>(command - RootAddTextCommand));
        break;
    }
}

} // namespace tessel
