// apply-order: the channel list of an image put in the order of another image or a CSV.
#include <iostream>
#include <memory>

#include "cli/command_session.h"
#include "cli/commands.h"
#include "cli/json_output.h"
#include "cli/options.h"
#include "common/text_lines.h"
#include "editing/reference_order.h"

namespace chanforge::cli {

namespace {

struct Args {
  std::string flash, from, out, placement = "last";
  bool list = false;
};

// The plan as --json prints it: the new channels with their number now and before, the
// missing ones with their row of the reference.
Json PlanJson(const editing::ListDocument& document, const editing::Reference& reference,
              const editing::OrderPlan& plan) {
  Json document_json{{"summary", common::Format(editing::OrderSummary(plan))}};
  Json& added = document_json["new_channels"] = Json::array();
  const std::size_t start = plan.placement == editing::NewChannels::kFirst
                                ? 0
                                : plan.order.size() - plan.new_channels.size();
  for (std::size_t i = 0; i < plan.new_channels.size(); ++i) {
    const std::uint32_t row = plan.order[start + i];
    Json channel = ChannelJson(start + i + 1, document.channels()[row]);
    channel["was"] = row + 1;
    channel["text"] = JsonText(common::Format(plan.new_channels[i]));
    added.push_back(std::move(channel));
  }
  Json& missing = document_json["missing_channels"] = Json::array();
  for (std::size_t i = 0; i < plan.missing_rows.size(); ++i) {
    const editing::ReferenceChannel& channel = reference.channels[plan.missing_rows[i]];
    missing.push_back({{"reference_nr", plan.missing_rows[i] + 1},
                       {"name", common::Latin1ToUtf8(channel.name)},
                       {"sid", channel.sid},
                       {"frequency", channel.khz == 0 ? Json() : Json(channel.khz)},
                       {"text", JsonText(common::Format(plan.missing_channels[i]))}});
  }
  return document_json;
}

int ApplyOrderCommand(ConsoleFrontend& ui, common::Files& files, const Args& a) {
  CommandSession session(files);
  editing::ListDocument* document =
      OpenLists(ui, session, a.flash, a.out, common::ListKind::kChannels);
  if (!document) return 1;
  editing::Reference reference;
  const common::Outcome read = editing::LoadReference(ui, files, a.from, reference);
  if (read != common::Outcome::kDone) return ExitStatus(read);
  const editing::OrderPlan plan = editing::PlanOrder(
      *document, reference,
      a.placement == "first" ? editing::NewChannels::kFirst : editing::NewChannels::kLast);
  ui.ShowMessage(common::MessageKind::kNotice, editing::OrderSummary(plan));
  if (ui.options().json) {
    PrintJson(std::cout, PlanJson(*document, reference, plan));
  } else if (a.list) {
    for (const auto* lines : {&plan.new_channels, &plan.missing_channels}) {
      for (const common::Message& line : *lines) std::cout << line << '\n';
    }
  }
  if (plan.Changes()) {
    session.history().Push(editing::ApplyOrder(
        plan, editing::ApplyOrderStep(common::PathOf(a.from).filename().string())));
  }
  return SaveImage(ui, session, a.out);
}

constexpr Subcommand kOrderCommands[] = {
    {"apply-order", "Put the channels in the order of another image or a channel CSV",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       AddFlash(command, a->flash);
       AddFile(command, "--from", a->from, "Image or channel CSV whose order to follow")
           ->required();
       AddOutput(command, a->out);
       command.add_flag("--list", a->list, "List the new channels and the missing ones");
       command.add_option("--new", a->placement, "Where channels the reference lacks go")
           ->check(CLI::IsMember({"first", "last"}))
           ->capture_default_str();
       return [a](ConsoleFrontend& ui, common::Files& files) {
         return ApplyOrderCommand(ui, files, *a);
       };
     },
     1, true},
};

}  // namespace

std::span<const Subcommand> OrderCommands() { return kOrderCommands; }

}  // namespace chanforge::cli
