// What a line parser makes of one text line.
#pragma once

#include <string>

namespace chanforge::channels {

enum class LineStatus { kBlank, kRecord, kError };

struct ParsedLine {
  LineStatus status = LineStatus::kBlank;
  std::string record;  // the record's bytes when kRecord
  std::string error;   // why the line cannot be stored when kError
};

}  // namespace chanforge::channels
