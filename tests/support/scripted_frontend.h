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
  ~ScriptedFrontend() override {
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answers never asked for";
    EXPECT_TRUE(choices_.empty()) << choices_.size() << " scripted file choices never used";
    EXPECT_TRUE(saves_.empty()) << saves_.size() << " scripted save answers never asked for";
  }

  ScriptedFrontend& Answer(bool yes) {
    answers_.push_back(yes);
    return *this;
  }
  ScriptedFrontend& AnswerSave(common::SaveAnswer answer) {
    saves_.push_back(answer);
    return *this;
  }
  ScriptedFrontend& Choose(const std::string& name,
                           common::FileChoiceStatus status = common::FileChoiceStatus::kChosen) {
    choices_.push_back({status, name});
    return *this;
  }
  ScriptedFrontend& Cancel() { return Choose({}, common::FileChoiceStatus::kCancelled); }
  ScriptedFrontend& RejectProposal() {
    return Choose({}, common::FileChoiceStatus::kInvalidProposal);
  }

  void ShowMessage(common::MessageKind kind, const std::string& text) override {
    messages.emplace_back(kind, text);
  }
  bool AskYesNo(const std::string& text) override {
    questions.push_back(text);
    return Next(answers_, false, "question: " + text);
  }
  common::SaveAnswer AskSaveChanges(const std::string& text) override {
    questions.push_back(text);
    return Next(saves_, common::SaveAnswer::kCancel, "save question: " + text);
  }
  common::FileChoice ChooseFile(const common::FileRequest& request) override {
    requests.push_back(request);
    return Next(choices_, common::FileChoice{}, "file dialog proposing " + request.proposed_name);
  }
  void ShowStatus(const std::string& text) override { statuses.push_back(text); }

  // The one message shown, or an empty text when there were none; fails on several.
  std::string OnlyMessage() const {
    EXPECT_LE(messages.size(), 1u);
    return messages.empty() ? std::string{} : messages.back().second;
  }

  std::vector<std::pair<common::MessageKind, std::string>> messages;
  std::vector<std::string> questions;
  std::vector<common::FileRequest> requests;
  std::vector<std::string> statuses;

 private:
  template <typename T>
  static T Next(std::deque<T>& queue, T unscripted, const std::string& what) {
    if (queue.empty()) {
      ADD_FAILURE() << "unexpected " << what;
      return unscripted;
    }
    T next = queue.front();
    queue.pop_front();
    return next;
  }

  std::deque<bool> answers_;
  std::deque<common::SaveAnswer> saves_;
  std::deque<common::FileChoice> choices_;
};

}  // namespace chanforge::testing
