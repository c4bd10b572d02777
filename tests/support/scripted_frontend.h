// A front end for tests: answers questions and file choices from queues, records every
// message and status text, and fails the test on a prompt nobody scripted.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/frontend.h"
#include "support/message_text.h"

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

  void ShowMessage(common::MessageKind kind, const common::Message& message) override {
    messages.emplace_back(kind, common::Format(message));
  }
  bool AskYesNo(const common::Message& question) override {
    questions.push_back(common::Format(question));
    return Next(answers_, otherwise_yes ? otherwise_yes() : false, "question: " + questions.back());
  }
  common::SaveAnswer AskSaveChanges(const common::Message& question) override {
    questions.push_back(common::Format(question));
    const bool yes = otherwise_yes && otherwise_yes();
    return Next(saves_, yes ? common::SaveAnswer::kSave : common::SaveAnswer::kCancel,
                "save question: " + questions.back());
  }
  common::FileChoice ChooseFile(const common::FileRequest& request) override {
    requests.push_back(request);
    return Next(choices_, otherwise_choose ? otherwise_choose(request) : common::FileChoice{},
                "file dialog proposing " + request.proposed_name);
  }
  void ShowStatus(const common::Message& status) override {
    statuses.push_back(common::Format(status));
  }

  // The one message shown, or an empty text when there were none; fails on several.
  std::string OnlyMessage() const {
    EXPECT_LE(messages.size(), 1u);
    return messages.empty() ? std::string{} : messages.back().second;
  }

  // The texts as the English formatter words them.
  std::vector<std::pair<common::MessageKind, std::string>> messages;
  std::vector<std::string> questions;
  std::vector<common::FileRequest> requests;
  std::vector<std::string> statuses;
  // Set, they answer the prompts nobody scripted (runs of many actions) instead of a failure.
  std::function<bool()> otherwise_yes;
  std::function<common::FileChoice(const common::FileRequest&)> otherwise_choose;

 private:
  template <typename T>
  T Next(std::deque<T>& queue, T unscripted, const std::string& what) const {
    if (queue.empty()) {
      if (!otherwise_yes && !otherwise_choose) ADD_FAILURE() << "unexpected " << what;
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
