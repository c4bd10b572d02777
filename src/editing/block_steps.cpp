#include "editing/block_steps.h"

#include <optional>

#include "editing/diseqc_swap.h"
#include "editing/list_document.h"
#include "flash/block_clear.h"
#include "flash/blocks.h"

namespace chanforge::editing {

namespace {

constexpr auto kReadBlock = common::Wording("step.read-block", "Read Block");
constexpr auto kClearBlock = common::Wording("step.clear-block", "Clear Block");
constexpr auto kSwapDiseqc = common::Wording("step.swap-diseqc", "Swap DiSEqC");

class ReplaceBlockCommand : public Command {
 public:
  ReplaceBlockCommand(int index, std::string bytes, flash::BlockPart part,
                      common::Message description)
      : index_(index),
        bytes_(std::move(bytes)),
        part_(part),
        description_(std::move(description)) {}

  void Apply(ListDocument& document) override {
    flash::Workspace& workspace = document.workspace();
    if (!before_) {
      const flash::BlockInfo* block = flash::FindBlock(workspace, index_);
      before_.emplace(block ? flash::WholeBlockBytes(workspace, *block) : std::string(), document);
    }
    flash::ReplaceBlockData(workspace, index_, bytes_, part_);
    document.Reload();
    // The block's own announcement came before the document had read it.
    flash::AnnounceChange(workspace);
  }
  void Revert(ListDocument& document) override {
    flash::ReplaceBlockData(document.workspace(), index_, before_->first, flash::BlockPart::kWhole);
    document = before_->second;
    flash::AnnounceChange(document.workspace());
  }
  common::Message Description() const override { return description_; }

 private:
  int index_;
  std::string bytes_;
  flash::BlockPart part_;
  common::Message description_;
  // The whole block and the document as they were before the first apply.
  std::optional<std::pair<std::string, ListDocument>> before_;
};

}  // namespace

std::unique_ptr<Command> ReplaceBlock(int index, std::string bytes, flash::BlockPart part,
                                      common::Message description) {
  return std::make_unique<ReplaceBlockCommand>(index, std::move(bytes), part,
                                               std::move(description));
}

common::Outcome ReadBlock(UndoStack& history, common::Frontend& frontend, common::Files& files,
                          int index, flash::BlockPart part, flash::ListFileNames& names) {
  std::string data;
  const common::Outcome outcome =
      flash::ReadBlockFile(history.target().workspace(), frontend, files, index, part, names, data);
  if (outcome == common::Outcome::kDone) {
    history.Push(ReplaceBlock(index, std::move(data), part, common::Say(kReadBlock)));
  }
  return outcome;
}

common::Outcome ClearBlock(UndoStack& history, common::Frontend& frontend, int index,
                           flash::BlockPart part) {
  const flash::Workspace& workspace = history.target().workspace();
  if (!flash::FindBlock(workspace, index)) return common::Outcome::kRefused;
  if (!frontend.AskYesNo(flash::ClearQuestion(index))) return common::Outcome::kCancelled;
  history.Push(ReplaceBlock(index, flash::ClearedBlock(workspace, index, part),
                            flash::BlockPart::kWhole, common::Say(kClearBlock)));
  return common::Outcome::kDone;
}

common::Outcome SwapDiseqc(UndoStack& history, common::Frontend& frontend, int index, int& count) {
  std::string bytes;
  const common::Outcome outcome =
      SwappedBlock(history.target().workspace(), frontend, index, bytes, count);
  // Unlike the receiver's own tools, a swap counts as an unsaved change.
  if (outcome == common::Outcome::kDone && count > 0) {
    history.Push(
        ReplaceBlock(index, std::move(bytes), flash::BlockPart::kWhole, common::Say(kSwapDiseqc)));
  }
  return outcome;
}

}  // namespace chanforge::editing
