// apply-order: the channel list of an image put in the order of another image or a CSV.
#include <iostream>
#include <memory>

#include "cli/command_session.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "editing/reference_order.h"

namespace chanforge::cli {

namespace {

struct Args {
  std::string flash, from, out, placement = "last";
  bool list = false;
};

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
  if (a.list) {
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
     }},
};

}  // namespace

std::span<const Subcommand> OrderCommands() { return kOrderCommands; }

}  // namespace chanforge::cli
