// The image check and the comparison of two images.
#include <iostream>
#include <memory>

#include "check/image_check.h"
#include "check/image_diff.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "cli/session.h"

namespace chanforge::cli {

namespace {

// As diff and cmp: 0 clean or equal, 1 errors or differences, 2 trouble.
constexpr int kTrouble = 2;

int Check(ConsoleFrontend& ui, std::ostream& out, const std::string& flash,
          bool warnings_as_errors) {
  Session session;
  if (!Load(ui, session, flash)) return kTrouble;
  const std::vector<check::Finding> findings = check::CheckImage(session.workspace());
  for (const check::Finding& finding : findings) out << check::FormatFinding(finding) << '\n';
  const bool failed = warnings_as_errors ? !findings.empty() : check::CountErrors(findings) > 0;
  return failed ? 1 : 0;
}

int Diff(ConsoleFrontend& ui, std::ostream& out, const std::string& a, const std::string& b) {
  Session old_image, new_image;
  if (!Load(ui, old_image, a) || !Load(ui, new_image, b)) return kTrouble;
  const std::vector<check::Change> changes =
      check::DiffImages(old_image.workspace(), new_image.workspace());
  for (const check::Change& change : changes) out << change.line << '\n';
  return changes.empty() ? 0 : 1;
}

struct Args {
  std::string flash, other;
  bool warnings_as_errors = false;
};

constexpr Subcommand kCheckCommands[] = {
    {"check", "Print what would make the receiver misbehave",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       AddFlash(command, a->flash);
       command.add_flag("--warnings-as-errors", a->warnings_as_errors, "Exit 1 on warnings too");
       return [a](ConsoleFrontend& ui) {
         return Check(ui, std::cout, a->flash, a->warnings_as_errors);
       };
     },
     kTrouble},
    {"diff", "Print what changed from image A to image B",
     [](CLI::App& command) -> Handler {
       auto a = std::make_shared<Args>();
       AddFile(command, "A", a->flash, "Old flash image file")->required();
       AddFile(command, "B", a->other, "New flash image file")->required();
       return [a](ConsoleFrontend& ui) { return Diff(ui, std::cout, a->flash, a->other); };
     },
     kTrouble},
};

}  // namespace

std::span<const Subcommand> CheckCommands() { return kCheckCommands; }

}  // namespace chanforge::cli
