// Read Block, Clear Block and the DiSEqC swap: each asks what it must, then changes its block
// through one step of the history, for the window and the command line alike.
#pragma once

#include <memory>
#include <string>

#include "common/frontend.h"
#include "editing/undo_stack.h"
#include "flash/block_transfer.h"

namespace chanforge::editing {

// A block replaced (whole, or its data) as one step. The lists are read again after it, and
// an undo puts back the block and the lists as they were, so that the editor's older steps
// still find the records they changed.
std::unique_ptr<Command> ReplaceBlock(int index, std::string bytes, flash::BlockPart part,
                                      common::Message description);

// Chooses the file and reads it into the block ("Read Block").
common::Outcome ReadBlock(UndoStack& history, common::Frontend& frontend, common::Files& files,
                          int index, flash::BlockPart part, flash::ListFileNames& names);
// Asks, then clears the block ("Clear Block"); kCancelled on No.
common::Outcome ClearBlock(UndoStack& history, common::Frontend& frontend, int index,
                           flash::BlockPart part);
// Swaps the DiSEqC input of every used transponder of a TPT block ("Swap DiSEqC") without
// reporting; count receives the transponders swapped, and none makes no step.
common::Outcome SwapDiseqc(UndoStack& history, common::Frontend& frontend, int index, int& count);

}  // namespace chanforge::editing
