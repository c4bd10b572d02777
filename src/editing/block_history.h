// The main window's whole-block steps (Read Block, Clear Block, the DiSEqC swap) as
// undoable steps of its history, with the list document kept in step with the image.
#pragma once

#include <functional>
#include <string>

#include "common/frontend.h"
#include "editing/list_document.h"
#include "editing/undo_stack.h"

namespace chanforge::editing {

// Runs a block routine and records what it did to block `index` as one step. The history's
// document reads the lists again after the step, and gets its earlier state back when it is
// undone, so that the editor's older steps still find the records they changed.
void RecordBlockStep(editing::UndoStack& stack, int index, const std::string& description,
                     const std::function<common::Outcome()>& routine);

}  // namespace chanforge::editing
