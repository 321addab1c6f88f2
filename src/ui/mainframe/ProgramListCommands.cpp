#include "ui/mainframe/ProgramListCommands.h"

#include "ui/mainframe/ProgramView.h"

namespace tessel {

ProgramListCommand::ProgramListCommand(ProgramView& view)
    : view_(view)
{
}

void ProgramListCommand::redo()
{
    // Pushing a command runs redo once; the change has already been made.
    if (done_) {
        done_ = false;
        return;
    }
    apply();
}

void ProgramListCommand::undo()
{
    revert();
}

AddProgramCommand::AddProgramCommand(ProgramView& view, int index)
    : ProgramListCommand(view)
    , index_(index)
{
}

void AddProgramCommand::apply()
{
    view_.insertProgramAt(index_, std::move(taken_));
}

void AddProgramCommand::revert()
{
    taken_ = view_.takeProgramAt(index_);
}

DeleteProgramCommand::DeleteProgramCommand(ProgramView& view, int index, std::unique_ptr<Program> deleted)
    : ProgramListCommand(view)
    , index_(index)
    , taken_(std::move(deleted))
{
}

void DeleteProgramCommand::apply()
{
    taken_ = view_.takeProgramAt(index_);
}

void DeleteProgramCommand::revert()
{
    view_.insertProgramAt(index_, std::move(taken_));
}

DeleteAllCommand::DeleteAllCommand(ProgramView& view, std::vector<std::unique_ptr<Program>> deleted)
    : ProgramListCommand(view)
    , taken_(std::move(deleted))
{
}

void DeleteAllCommand::apply()
{
    taken_ = view_.takeAllPrograms();
}

void DeleteAllCommand::revert()
{
    view_.restoreAllPrograms(std::move(taken_));
}

MoveProgramCommand::MoveProgramCommand(ProgramView& view, int index, MoveDirection direction)
    : ProgramListCommand(view)
    , index_(index)
    , direction_(direction)
{
}

void MoveProgramCommand::apply()
{
    view_.moveProgramAt(index_, direction_);
}

void MoveProgramCommand::revert()
{
    const bool up = direction_ == MoveDirection::Up;
    view_.moveProgramAt(up ? index_ - 1 : index_ + 1, up ? MoveDirection::Down : MoveDirection::Up);
}

TickCommand::TickCommand(ProgramView& view, std::vector<int32_t> before, Qt::CheckState rootBefore)
    : ProgramListCommand(view)
    , before_(std::move(before))
    , after_(view.ticks())
    , rootBefore_(rootBefore)
    , rootAfter_(view.rootTick())
{
}

void TickCommand::apply()
{
    view_.setTicks(after_, rootAfter_);
}

void TickCommand::revert()
{
    view_.setTicks(before_, rootBefore_);
}

RenameCommand::RenameCommand(ProgramView& view, int index, QString before, QString after)
    : ProgramListCommand(view)
    , index_(index)
    , before_(std::move(before))
    , after_(std::move(after))
{
}

int RenameCommand::id() const
{
    return 1;
}

bool RenameCommand::mergeWith(const QUndoCommand* other)
{
    const auto* rename = static_cast<const RenameCommand*>(other);
    if (rename->index_ != index_)
        return false;
    after_ = rename->after_;
    return true;
}

void RenameCommand::apply()
{
    view_.setProgramName(index_, after_);
}

void RenameCommand::revert()
{
    view_.setProgramName(index_, before_);
}

} // namespace tessel
