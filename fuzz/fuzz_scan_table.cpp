// The scan table reader and what the list makes of its rows, on any text: no crash, every
// row that fits gives a record whose frequency and flags read back as the row said.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "satellites/satellite_rows.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace chanforge;
  if (size < 1) return 0;
  // The first byte chooses the DiSEqC input and the FEC default.
  const satellites::FitChoices choices{(data[0] & 4) != 0, static_cast<std::uint8_t>(data[0] & 3)};
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const common::Result<satellites::ScanTable> parsed = satellites::ParseScanTable(text);
  if (!parsed.ok()) return 0;
  const satellites::ScanTable& table = *parsed;
  const std::vector<satellites::RowFit> fits = satellites::FitRows(table, choices, {});
  if (fits.size() != table.rows.size()) std::abort();
  for (const satellites::RowFit& fit : fits) {
    if (fit.record.has_value() != fit.refusal.empty()) std::abort();
    if (fit.record &&
        (fit.record->Khz() != fit.row.frequency ||
         ((fit.record->flags & transponders::kFlagDiseqcB) != 0) != choices.diseqc_b)) {
      std::abort();
    }
  }
  return 0;
}
