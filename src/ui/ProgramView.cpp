#include "ui/ProgramView.h"

#include "i18n/LanguageTable.h"
#include "model/AppData.h"
#include "ui/MenuIds.h"
#include "ui/PropertyForm.h"

#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <span>

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
    connect(this, &QTreeWidget::currentItemChanged, this, &ProgramView::onCurrentItemChanged);
    connect(this, &QTreeWidget::itemChanged, this, &ProgramView::onItemChanged);
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
    rootNode_->setIcon(0, QIcon(QStringLiteral(":/tree/list.svg")));
    rootNode_->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    rootNode_->setCheckState(0, Qt::Checked);
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
    if (!rootNode_)
        return nullptr;
    for (int i = 0; i < rootNode_->childCount(); ++i)
        if (rootNode_->child(i) == program.treeItem)
            return rootNode_->child(i);
    return nullptr;
}

void ProgramView::SetNodeLabel(QTreeWidgetItem* node, const Program& program)
{
    if (!node)
        return;
    QString label = program.name;
    if (program.type == static_cast<uint8_t>(ItemKind::Text) && !program.summary.isEmpty())
        label += QLatin1Char('(') + program.summary + QLatin1Char(')');
    labelling_ = true;
    node->setCheckState(0, checkState(program.check != 0));
    node->setText(0, label);
    node->setIcon(
        0, program.type < ItemKindCount ? QIcon(QString::fromLatin1(KindIcons[program.type])) : QIcon());
    labelling_ = false;
}

void ProgramView::UpdateRootLabel()
{
    if (rootNode_)
        rootNode_->setText(0,
            texts_.text(u"programLists") + QLatin1Char('(') + QString::number(data_.programCount)
                + QLatin1Char(')'));
}

QTreeWidgetItem* ProgramView::appendNode(Program& program)
{
    auto* node = new QTreeWidgetItem(rootNode_);
    node->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    program.treeItem = node;
    SetNodeLabel(node, program);
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
}

void ProgramView::FillTree()
{
    if (!rootNode_)
        return;
    QTreeWidgetItem* last = nullptr;
    for (const auto& program : data_.programs)
        last = appendNode(*program);
    if (last)
        setCurrentItem(last);
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
    removeProgramNodes();
    data_.clearPrograms();
    UpdateRootLabel();
}

void ProgramView::RebuildTree()
{
    if (!rootNode_)
        return;
    // The records the nodes stood for are gone: nothing may be stored into them.
    commitOnLeave_ = false;
    removeProgramNodes();
    commitOnLeave_ = true;
    FillTree();
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
    QTreeWidgetItem* neighbour = itemBelow(node);
    if (!neighbour)
        neighbour = itemAbove(node);
    // The store is skipped for the change made by the deletion itself: the
    // program being left is about to go, and the user's next change of
    // selection must store into the program it leaves.
    commitOnLeave_ = false;
    setCurrentItem(neighbour);
    commitOnLeave_ = true;
    program->treeItem = nullptr;
    delete node;
    data_.removeProgram(program);
    UpdateRootLabel();
}

void ProgramView::MoveSelected(MoveDirection direction)
{
    Program* program = SelectedProgram();
    if (!program)
        return;
    const int i = data_.indexOf(program);
    const int j = direction == MoveDirection::Up ? i - 1 : i + 1;
    if (i < 0 || j < 0 || j >= static_cast<int>(data_.programs.size()))
        return;
    Program* other = data_.programs[j].get();
    QTreeWidgetItem* nodeI = nodeOf(*program);
    QTreeWidgetItem* nodeJ = nodeOf(*other);
    if (!nodeI || !nodeJ)
        return;
    const bool moved
        = direction == MoveDirection::Up ? data_.moveProgramUp(program) : data_.moveProgramDown(program);
    if (!moved)
        return;
    // The nodes keep their places and exchange their contents.
    program->treeItem = nodeJ;
    other->treeItem = nodeI;
    SetNodeLabel(nodeJ, *program);
    SetNodeLabel(nodeI, *other);
    // The pane keeps showing the moved program with its edits not yet stored.
    commitOnLeave_ = false;
    loadOnSelect_ = false;
    setCurrentItem(nodeJ);
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
    const bool ticked = node->checkState(0) == Qt::Checked;
    // The ticks are saved with the list: a changed tick leaves it modified.
    const auto tick = [this, ticked](Program& program) {
        if ((program.check != 0) != ticked)
            data_.modified = 1;
        program.check = ticked ? 1 : 0;
    };
    if (node == rootNode_) {
        labelling_ = true;
        for (const auto& program : data_.programs) {
            tick(*program);
            if (QTreeWidgetItem* child = nodeOf(*program))
                child->setCheckState(0, checkState(ticked));
        }
        labelling_ = false;
    } else if (Program* program = programOf(node)) {
        tick(*program);
    }
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
