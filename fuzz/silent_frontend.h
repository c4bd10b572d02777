// A front end that shows nothing, answers every question with Yes and cancels every
// file choice: for fuzzing and benchmarks, where nobody is there to answer.
#pragma once

#include "common/frontend.h"

namespace chanforge::testing {

class SilentFrontend : public common::Frontend {
 public:
  void ShowMessage(common::MessageKind, const common::Message&) override {}
  bool AskYesNo(const common::Message&) override { return true; }
  common::FileChoice ChooseFile(const common::FileRequest&) override { return {}; }
  void ShowStatus(const common::Message&) override {}
};

}  // namespace chanforge::testing
