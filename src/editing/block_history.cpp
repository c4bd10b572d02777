#include "editing/block_history.h"

#include <memory>
#include <optional>

#include "flash/blocks.h"

namespace chanforge::editing {

namespace {

std::string BlockBytes(const flash::Workspace& workspace, int index) {
  const flash::BlockInfo* block = flash::FindBlock(workspace, index);
  return block ? flash::WholeBlockBytes(workspace, *block) : std::string();
}

class DocumentFollowingStep : public editing::Command {
 public:
  DocumentFollowingStep(std::unique_ptr<editing::Command> step, editing::ListDocument before)
      : step_(std::move(step)), before_(std::move(before)) {}

  void Apply(ListDocument& document) override {
    step_->Apply(document);
    if (!after_) {
      document.Reload();
      after_.emplace(document);
    } else {
      document = *after_;
    }
    // The block's own announcement came before the document had read it.
    flash::AnnounceChange(document.workspace());
  }
  void Revert(ListDocument& document) override {
    step_->Revert(document);
    document = before_;
    flash::AnnounceChange(document.workspace());
  }
  std::string Description() const override { return step_->Description(); }

 private:
  std::unique_ptr<editing::Command> step_;
  editing::ListDocument before_;
  std::optional<editing::ListDocument> after_;
};

}  // namespace

void RecordBlockStep(editing::UndoStack& stack, int index, const std::string& description,
                     const std::function<common::Outcome()>& routine) {
  editing::ListDocument& document = stack.target();
  flash::Workspace& workspace = document.workspace();
  const editing::ListDocument before = document;
  std::string old_bytes = BlockBytes(workspace, index);
  const common::Outcome outcome = routine();
  std::string new_bytes = BlockBytes(workspace, index);
  if (outcome != common::Outcome::kDone && new_bytes == old_bytes) return;
  stack.Push(std::make_unique<DocumentFollowingStep>(
      std::make_unique<editing::BlockSnapshotCommand>(index, std::move(old_bytes),
                                                      std::move(new_bytes), description),
      before));
}

}  // namespace chanforge::editing
