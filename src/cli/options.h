// Options that several subcommands share, so that each reads and checks them alike.
#pragma once

#include <CLI/CLI.hpp>
#include <cstddef>
#include <string>

#include "cli/positions.h"
#include "common/field_info.h"

namespace chanforge::cli {

// A file name; an empty one would read as a cancelled choice, so it is a usage error.
CLI::Option* AddFile(CLI::App& command, const std::string& name, std::string& value,
                     const std::string& help);
// FLASH, the image the command starts from.
void AddFlash(CLI::App& command, std::string& flash);
// FLASH and INDEX, the block a block command works on.
void AddFlashIndex(CLI::App& command, std::string& flash, int& index);
// -o,--output, the image file a changing command writes.
void AddOutput(CLI::App& command, std::string& out);

// An option that takes one of a choice field's texts (any case), the one of default_code
// unless given: the choices and the default in the help are the field table's.
CLI::Option* AddChoice(CLI::App& command, const std::string& name, std::string& value,
                       const common::FieldInfo& info, std::size_t default_code,
                       const std::string& help);
// --diseqc: the DiSEqC input, A unless given; and whether a value chosen so names B.
CLI::Option* AddDiseqc(CLI::App& command, std::string& value, const std::string& help);
bool IsDiseqcB(const std::string& value);

// The checks of positions and ranges (cli/positions.h) for the line's parser.
CLI::Validator NumberCheck(std::size_t first = 1, std::size_t last = kMostPosition);
CLI::Validator RangeCheck();

}  // namespace chanforge::cli
