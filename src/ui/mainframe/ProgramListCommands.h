// The undoable changes of the program list. Each command has already been
// carried out by the user when it is pushed: its first redo does nothing.
#pragma once

#include "model/Program.h"

#include <QUndoCommand>
#include <memory>
#include <vector>

namespace tessel {

class ProgramView;
enum class MoveDirection;

class ProgramListCommand : public QUndoCommand {
public:
    explicit ProgramListCommand(ProgramView& view);
    void redo() final;
    void undo() final;

protected:
    virtual void apply() = 0;
    virtual void revert() = 0;
    ProgramView& view_;

private:
    bool done_ = true;
};

// A program added at the end of the list.
class AddProgramCommand : public ProgramListCommand {
public:
    AddProgramCommand(ProgramView& view, int index);

private:
    void apply() override;
    void revert() override;
    int index_;
    std::unique_ptr<Program> taken_;
};

// One program deleted; it comes back at its place.
class DeleteProgramCommand : public ProgramListCommand {
public:
    DeleteProgramCommand(ProgramView& view, int index, std::unique_ptr<Program> deleted);

private:
    void apply() override;
    void revert() override;
    int index_;
    std::unique_ptr<Program> taken_;
};

// The whole list deleted from the root.
class DeleteAllCommand : public ProgramListCommand {
public:
    DeleteAllCommand(ProgramView& view, std::vector<std::unique_ptr<Program>> deleted);

private:
    void apply() override;
    void revert() override;
    std::vector<std::unique_ptr<Program>> taken_;
};

// A program moved one place; `index` is where it stood.
class MoveProgramCommand : public ProgramListCommand {
public:
    MoveProgramCommand(ProgramView& view, int index, MoveDirection direction);

private:
    void apply() override;
    void revert() override;
    int index_;
    MoveDirection direction_;
};

// The ticks of the list before and after a click on a box.
class TickCommand : public ProgramListCommand {
public:
    TickCommand(ProgramView& view, std::vector<int32_t> before, Qt::CheckState rootBefore);

private:
    void apply() override;
    void revert() override;
    std::vector<int32_t> before_;
    std::vector<int32_t> after_;
    Qt::CheckState rootBefore_;
    Qt::CheckState rootAfter_;
};

// A program's name; the keystrokes of one name edit make one command.
class RenameCommand : public ProgramListCommand {
public:
    RenameCommand(ProgramView& view, int index, QString before, QString after);
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    void apply() override;
    void revert() override;
    int index_;
    QString before_;
    QString after_;
};

} // namespace tessel
