#include "editing/undo_stack.h"

#include "editing/list_document.h"

namespace chanforge::editing {

void UndoStack::Push(std::unique_ptr<Command> command) {
  command->Apply(target_);
  commands_.resize(index_);
  if (clean_ > static_cast<long>(index_)) clean_ = -1;
  // The saved state stays a step of its own, so that undo can still reach it.
  if (index_ > 0 && clean_ != static_cast<long>(index_) &&
      commands_[index_ - 1]->MergeWith(*command)) {
    FollowClean();
    return;
  }
  commands_.push_back(std::move(command));
  ++index_;
  FollowClean();
}

void UndoStack::Undo() {
  if (!CanUndo()) return;
  commands_[--index_]->Revert(target_);
  FollowClean();
}

void UndoStack::Redo() {
  if (!CanRedo()) return;
  commands_[index_++]->Apply(target_);
  FollowClean();
}

common::Message UndoStack::UndoDescription() const {
  return CanUndo() ? commands_[index_ - 1]->Description() : common::Message();
}

common::Message UndoStack::RedoDescription() const {
  return CanRedo() ? commands_[index_]->Description() : common::Message();
}

void UndoStack::Clear() {
  commands_.clear();
  index_ = 0;
  clean_ = 0;
}

void UndoStack::MarkClean() {
  clean_ = static_cast<long>(index_);
  FollowClean();
}

void UndoStack::FollowClean() { target_.workspace().SetDirty(!IsClean()); }

}  // namespace chanforge::editing
