// What the commands that read DVB-S scan tables share: the folder option and the reading.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

#include "cli/console_frontend.h"
#include "satellites/satellite_rows.h"

namespace chanforge::cli {

inline constexpr char kNameTablesFolder[] = "with --tables DIR";

// --tables DIR, the system's folder by default.
void AddTables(CLI::App& command, std::string& tables);

// Reads the table of the satellite of that name (any case), or the tables of every one at
// that position; shown is then the name or the position as the tables spell it. False,
// having said why (where to get tables, no such satellite, an unreadable file), when it
// cannot.
bool ReadTable(ConsoleFrontend& ui, const std::string& tables, const std::string& name,
               satellites::ScanTable& table, std::string& shown);

}  // namespace chanforge::cli
