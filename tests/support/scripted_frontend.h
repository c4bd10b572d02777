// A front end for tests: answers questions and file choices from queues, records every
// message and status text, and fails the test on a prompt nobody scripted.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "common/frontend.h"

namespace chanforge::testing {

class ScriptedFrontend : public common::Frontend {
 public:
  using Message = std::pair<common::MessageKind, std::string>;

  ~ScriptedFrontend() override {
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answers never asked for";
    EXPECT_TRUE(choices_.empty()) << choices_.size() << " scripted file choices never used";
  }

  ScriptedFrontend& Answer(bool yes) {
    answers_.push_back(yes);
    return *this;
  }
  ScriptedFrontend& Choose(const std::string& name) {
    choices_.push_back({common::FileChoiceStatus::kChosen, name});
    return *this;
  }
  ScriptedFrontend& Cancel() {
    choices_.push_back({common::FileChoiceStatus::kCancelled, {}});
    return *this;
  }
  ScriptedFrontend& RejectProposal() {
    choices_.push_back({common::FileChoiceStatus::kInvalidProposal, {}});
    return *this;
  }

  void ShowMessage(common::MessageKind kind, const std::string& text) override {
    messages.emplace_back(kind, text);
  }
  bool AskYesNo(const std::string& text) override {
    questions.push_back(text);
    if (answers_.empty()) {
      ADD_FAILURE() << "unexpected question: " << text;
      return false;
    }
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
  }
  common::FileChoice ChooseFile(const common::FileRequest& request) override {
    requests.push_back(request);
    if (choices_.empty()) {
      ADD_FAILURE() << "unexpected file dialog proposing " << request.proposed_name;
      return {};
    }
    common::FileChoice choice = choices_.front();
    choices_.pop_front();
    return choice;
  }
  void ShowStatus(const std::string& text) override { statuses.push_back(text); }

  // The one message shown, or an empty text when there were none; fails on several.
  std::string OnlyMessage() const {
    EXPECT_LE(messages.size(), 1u);
    return messages.empty() ? std::string{} : messages.back().second;
  }

  std::vector<Message> messages;
  std::vector<std::string> questions;
  std::vector<common::FileRequest> requests;
  std::vector<std::string> statuses;

 private:
  std::deque<bool> answers_;
  std::deque<common::FileChoice> choices_;
};

}  // namespace chanforge::testing
