#include "cli/options.h"

#include <vector>

#include "flash/flash_image.h"
#include "transponders/transponder_fields.h"

namespace chanforge::cli {

CLI::Option* AddFile(CLI::App& command, const std::string& name, std::string& value,
                     const std::string& help) {
  const CLI::Validator file_name(
      [](std::string& text) {
        return text.empty() ? std::string("a file name may not be empty") : "";
      },
      "FILE");
  return command.add_option(name, value, help)->check(file_name);
}

void AddFlash(CLI::App& command, std::string& flash) {
  AddFile(command, "FLASH", flash, "Flash image file")->required();
}

void AddFlashIndex(CLI::App& command, std::string& flash, int& index) {
  AddFlash(command, flash);
  // The range in the help as the completion script reads it.
  constexpr std::size_t kLast = flash::kBlockCount - 1;
  command.add_option("INDEX", index, "Block index")
      ->required()
      ->check(NumberCheck(0, kLast).description("INT in [0 - " + std::to_string(kLast) + "]"));
}

void AddOutput(CLI::App& command, std::string& out) {
  AddFile(command, "-o,--output", out, "Image file to write")->required();
}

CLI::Option* AddChoice(CLI::App& command, const std::string& name, std::string& value,
                       const common::FieldInfo& info, std::size_t default_code,
                       const std::string& help) {
  value = info.texts[default_code];
  return command.add_option(name, value, help)
      ->check(CLI::IsMember(std::vector<std::string>(info.texts.begin(), info.texts.end()),
                            CLI::ignore_case))
      ->default_str(value);
}

namespace {
const common::FieldInfo& Diseqc() {
  return transponders::InfoOf(transponders::TransponderField::kDiseqc);
}
}  // namespace

CLI::Option* AddDiseqc(CLI::App& command, std::string& value, const std::string& help) {
  return AddChoice(command, "--diseqc", value, Diseqc(), 0, help);
}

bool IsDiseqcB(const std::string& value) { return common::ChoiceCode(Diseqc(), value) == 1; }

CLI::Validator NumberCheck(std::size_t first, std::size_t last) {
  return CLI::Validator(
      [first, last](std::string& text) { return CheckTypedNumber(text, first, last); }, "");
}

CLI::Validator RangeCheck() {
  return CLI::Validator(
      [](std::string& text) {
        std::string problem;
        ParseRange(text, problem);
        return problem;
      },
      "N[-M]");
}

}  // namespace chanforge::cli
