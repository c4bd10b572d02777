// What the commands that read DVB-S scan tables share: the folder option and the reading.
#pragma once

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "cli/console_frontend.h"
#include "satellites/satellite_rows.h"

namespace chanforge::cli {

inline constexpr char kNameTablesFolder[] = "with --tables DIR";

// --tables DIR, the system's folder by default.
void AddTables(CLI::App& command, std::string& tables);

struct ChosenTable {
  satellites::ScanTable table;
  std::string shown;                          // the name or the position as the tables spell it
  std::vector<satellites::Satellite> others;  // the folder's other tables, unread
};

// Reads the table of the satellite of that name (any case), or the tables of every one at
// that position, and no other file. False, having said why (where to get tables, an
// unreadable folder, no such satellite, a file that cannot be read or is no table), when
// it cannot.
bool ReadTable(ConsoleFrontend& ui, common::Files& files, const std::string& tables,
               const std::string& name, ChosenTable& chosen);

}  // namespace chanforge::cli
