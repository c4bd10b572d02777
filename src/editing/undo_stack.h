// Undoable changes to the image and the one history that holds them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/message.h"

namespace chanforge::editing {

class ListDocument;

// One step of the history. It gets the document it changes when it is applied or
// reverted, so that a command can be applied without any history. Apply and Revert each
// leave the image as the other found it.
class Command {
 public:
  virtual ~Command() = default;
  virtual void Apply(ListDocument& document) = 0;
  virtual void Revert(ListDocument& document) = 0;
  // For the Undo and Redo menu entries, for example "Rename channel 12".
  virtual common::Message Description() const = 0;
  // Takes over a later command that continues this one (typing in one cell), which has
  // already been applied; false leaves both as they are.
  virtual bool MergeWith(const Command& /*next*/) { return false; }
};

// The history of one document with a clean index: the place where the image matches its
// file. The image's dirty flag follows the clean index after every step.
class UndoStack {
 public:
  explicit UndoStack(ListDocument& target) : target_(target) {}
  ListDocument& target() { return target_; }

  // Applies the command and records it, dropping whatever could have been redone.
  void Push(std::unique_ptr<Command> command);
  bool CanUndo() const { return index_ > 0; }
  bool CanRedo() const { return index_ < commands_.size(); }
  void Undo();
  void Redo();
  common::Message UndoDescription() const;
  common::Message RedoDescription() const;

  // Loading an image starts a new history at a clean state.
  void Clear();
  // Saving makes the present state the clean one.
  void MarkClean();
  bool IsClean() const { return clean_ == static_cast<long>(index_); }
  std::size_t index() const { return index_; }
  std::size_t size() const { return commands_.size(); }

 private:
  void FollowClean();

  ListDocument& target_;
  std::vector<std::unique_ptr<Command>> commands_;
  std::size_t index_ = 0;  // commands below it are applied
  long clean_ = 0;         // -1: the clean state can no longer be reached
};

}  // namespace chanforge::editing
