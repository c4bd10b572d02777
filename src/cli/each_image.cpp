#include "cli/each_image.h"

#include <algorithm>
#include <optional>

#include "cli/options.h"
#include "flash/flash_image.h"

namespace chanforge::cli {

CLI::Option* AddFlashes(CLI::App& command, std::vector<std::string>& flashes) {
  return command.add_option("FLASH", flashes, "Flash image files")
      ->required()
      ->check(CLI::Validator(
          [](std::string& text) {
            return text.empty() ? std::string("a file name may not be empty") : "";
          },
          "FILE"));
}

void AddFlashesIndex(CLI::App& command, std::vector<std::string>& flashes, int& index) {
  AddFlashes(command, flashes)->description("Flash image files, then the block index");
  // The range in the help as the completion script reads it.
  constexpr std::size_t kLast = flash::kBlockCount - 1;
  const CLI::Validator check =
      NumberCheck(0, kLast).description("INT in [0 - " + std::to_string(kLast) + "]");
  CLI::Option* given = command.add_option("INDEX", index, "Block index")->check(check);
  // The list of images takes every word, the index among them: it is the last one.
  command.parse_complete_callback([&flashes, &index, given, check] {
    if (given->count() > 0) return;
    if (flashes.size() < 2) throw CLI::RequiredError("INDEX");
    std::string last = flashes.back();
    const std::string problem = check(last);
    if (!problem.empty()) throw CLI::ValidationError("INDEX", problem);
    flashes.pop_back();
    index = std::stoi(last);
  });
}

int EachImage(ConsoleFrontend& ui, std::ostream& out, const std::vector<std::string>& flashes,
              Heading heading, const Json& unread, const ImagePart& part) {
  int worst = 0;
  std::optional<JsonListPrinter> images;
  if (ui.options().json) images.emplace(out, "images");
  for (std::size_t i = 0; i < flashes.size(); ++i) {
    const std::string& flash = flashes[i];
    ImageEntry entry;
    entry.json["file"] = JsonText(flash);
    if (!ui.options().json && heading == Heading::kFileName && flashes.size() > 1) {
      out << (i > 0 ? "\n==> " : "==> ") << flash << " <==\n";
    }
    ui.TakeError();
    const int status = part(flash, entry);
    worst = std::max(worst, status);
    const std::string error = ui.TakeError();
    if (status != 0 && !error.empty()) {
      entry.list = nullptr;
      for (const auto& [key, value] : unread.items()) {
        if (!entry.json.contains(key)) entry.json[key] = value;
      }
      entry.json["error"] = JsonText(error);
    }
    if (images) images->Add(entry.json, entry.list_key, entry.list);
    // Written as it goes, so that a long run shows its progress in a pipe.
    out.flush();
  }
  if (images) images->Finish();
  return worst;
}

}  // namespace chanforge::cli
