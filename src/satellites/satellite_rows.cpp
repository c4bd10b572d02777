#include "satellites/satellite_rows.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "editing/list_commands.h"
#include "transponders/transponder_fields.h"

namespace chanforge::satellites {

namespace {

using transponders::TransponderField;
using transponders::TransponderRecord;

std::string Joined(const std::vector<std::string>& parts) {
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : "; ") + part;
  return text;
}

// A field's refusal as a reason among others: without its full stop.
std::string Reason(std::string refusal) {
  if (!refusal.empty() && refusal.back() == '.') refusal.pop_back();
  return refusal;
}

// 27500000 symbols per second as "27.5".
std::string MsymText(std::int64_t symbol_rate) {
  std::string text = std::to_string(symbol_rate / 1000000);
  std::string fraction = std::to_string(1000000 + symbol_rate % 1000000).substr(1);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  return fraction.empty() ? text : text + "." + fraction;
}

bool Horizontal(const TransponderRecord& record) {
  return (record.flags & transponders::kFlagHorizontal) != 0;
}
bool DiseqcB(const TransponderRecord& record) {
  return (record.flags & transponders::kFlagDiseqcB) != 0;
}

// One transponder, whatever the DiSEqC input: frequencies within 2 MHz, one polarisation.
bool SameTransponder(std::int64_t khz, bool horizontal, std::int64_t other_khz,
                     bool other_horizontal) {
  return std::llabs(khz - other_khz) <= kSameTransponderKhz && horizontal == other_horizontal;
}

// V or H, the polarisations a list can hold.
bool Linear(const std::string& polarization) {
  return polarization == "VERTICAL" || polarization == "V" || polarization == "HORIZONTAL" ||
         polarization == "H";
}

void FitPolarisation(const ScanRow& row, TransponderRecord& record,
                     std::vector<std::string>& refusals) {
  const std::string& text = row.polarization;
  if (Linear(text)) {
    transponders::SetTransponderValue(record, TransponderField::kPolarisation, text[0] == 'H');
  } else if (text.empty()) {
    refusals.push_back("No POLARIZATION");
  } else if (text == "LEFT" || text == "RIGHT" || text == "L" || text == "R") {
    refusals.push_back("Circular polarisation " + text + ": the list holds V or H");
  } else {
    refusals.push_back("Polarisation " + text + " is not V or H");
  }
}

void FitSymbolRate(const ScanRow& row, TransponderRecord& record,
                   std::vector<std::string>& refusals, std::vector<std::string>& notes) {
  if (row.symbol_rate < 0) return refusals.push_back("No SYMBOL_RATE");
  const std::int64_t msym = transponders::MsymOfKs(row.symbol_rate / 1000);
  if (msym == 0) {
    return refusals.push_back("SR " + MsymText(row.symbol_rate) + " Msym/s is below 1 Msym/s");
  }
  const common::FieldInfo& info = transponders::InfoOf(TransponderField::kSr);
  if (msym > info.most) {
    return refusals.push_back("SR " + MsymText(row.symbol_rate) + " Msym/s is above the list's " +
                              std::to_string(info.most) + " Msym/s");
  }
  transponders::SetTransponderValue(record, TransponderField::kSr, msym);
  if (row.symbol_rate % 1000000 != 0) {
    notes.push_back("SR " + MsymText(row.symbol_rate) + " Msym/s is stored rounded as " +
                    std::to_string(msym));
  }
}

void FitFec(const ScanRow& row, const FitChoices& choices, TransponderRecord& record,
            std::vector<std::string>& notes) {
  const std::optional<std::uint8_t> code = transponders::FecCodeOf(row.inner_fec);
  if (code) {
    transponders::SetTransponderValue(record, TransponderField::kFec, *code);
    // 5/6 is stored as 4/5, as the receiver's lists always have.
    const std::string problem = transponders::FecProblem(row.inner_fec);
    if (!problem.empty()) notes.push_back(problem);
    return;
  }
  transponders::SetTransponderValue(record, TransponderField::kFec, choices.fec_default);
  notes.push_back((row.inner_fec.empty() ? std::string("No INNER_FEC")
                                         : transponders::FecProblem(row.inner_fec)) +
                  ": stored as the default " + transponders::kFecTexts[choices.fec_default]);
}

RowFit FitRow(const ScanRow& row, const FitChoices& choices) {
  RowFit fit{row, {}, {}, {}, {}, false};
  std::vector<std::string> refusals = row.problems;
  std::vector<std::string> notes;
  if (row.delivery_system.empty()) {
    refusals.push_back("No DELIVERY_SYSTEM");
  } else if (row.delivery_system != "DVBS" ||
             !(row.modulation.empty() || row.modulation == "QPSK")) {
    const std::string& system = row.delivery_system;
    const std::string name = system == "DVBS" ? "DVB-S" : system == "DVBS2" ? "DVB-S2" : system;
    refusals.push_back(name + (row.modulation.empty() ? "" : " " + row.modulation) +
                       ": the receiver tunes DVB-S QPSK and the list cannot mark another");
  }
  if (row.stream_id >= 0) {
    refusals.push_back("Multistream (STREAM_ID " + std::to_string(row.stream_id) +
                       "): the list cannot choose a stream");
  }
  TransponderRecord record;
  if (row.frequency < 0) {
    refusals.push_back("No FREQUENCY");
  } else if (const std::string problem = transponders::PutKhz(
                 record, row.frequency, transponders::UpperBandOf(row.frequency));
             !problem.empty()) {
    refusals.push_back(Reason(problem));
  }
  FitPolarisation(row, record, refusals);
  FitSymbolRate(row, record, refusals, notes);
  FitFec(row, choices, record, notes);
  transponders::SetTransponderValue(record, TransponderField::kDiseqc, choices.diseqc_b);
  if (refusals.empty()) {
    fit.record = record;
    fit.notes = Joined(notes);
  } else {
    fit.refusal = Joined(refusals);
  }
  return fit;
}

}  // namespace

std::vector<RowFit> FitRows(const ScanTable& table, const FitChoices& choices,
                            const std::vector<TransponderRecord>& list) {
  std::vector<RowFit> fits;
  fits.reserve(table.rows.size());
  for (const ScanRow& row : table.rows) {
    RowFit fit = FitRow(row, choices);
    if (fit.record) {
      const TransponderRecord& record = *fit.record;
      const auto same = [&](const TransponderRecord& other) {
        return !other.IsEmpty() && DiseqcB(other) == DiseqcB(record) &&
               SameTransponder(record.Khz(), Horizontal(record), other.Khz(), Horizontal(other));
      };
      for (std::size_t i = 0; i < list.size() && fit.present.empty(); ++i) {
        if (same(list[i]))
          fit.present = "Already in the list as transponder " + std::to_string(i + 1);
      }
      for (std::size_t i = 0; i < fits.size() && fit.present.empty(); ++i) {
        if (fits[i].Addable() && same(*fits[i].record)) {
          const ScanRow& first = fits[i].row;
          fit.present = "Repeats " + (first.table.empty() ? "" : first.table + " ") + "line " +
                        std::to_string(first.line);
          fit.repeat = true;
        }
      }
    }
    fits.push_back(std::move(fit));
  }
  return fits;
}

std::vector<TransponderRecord> AddableRecords(const std::vector<RowFit>& fits) {
  std::vector<TransponderRecord> records;
  for (const RowFit& fit : fits) {
    if (fit.Addable()) records.push_back(*fit.record);
  }
  return records;
}

std::unique_ptr<editing::Command> AddRecords(const editing::ListDocument& document,
                                             std::vector<TransponderRecord> records,
                                             std::string& refusal) {
  refusal = editing::CheckInsertTransponders(document, records.size());
  if (!refusal.empty()) return nullptr;
  return editing::InsertTransponders(document.transponders().size(), std::move(records));
}

// A summary line names the first few; the rest are counted.
constexpr std::size_t kGapsNamed = 10;

std::vector<check::Finding> CheckAgainstTable(const check::TransponderTable& list, bool diseqc_b,
                                              const std::string& name, const ScanTable& table) {
  std::vector<check::Finding> findings;
  if (list.block < 0) return findings;
  const std::string satellite = name + " (DiSEqC " + (diseqc_b ? "B" : "A") + ")";
  for (std::size_t i = 0; i < list.records.size(); ++i) {
    const TransponderRecord& record = list.records[i];
    if (record.IsEmpty() || DiseqcB(record) != diseqc_b) continue;
    if (std::any_of(table.rows.begin(), table.rows.end(), [&](const ScanRow& row) {
          return Linear(row.polarization) &&
                 SameTransponder(record.Khz(), Horizontal(record), row.frequency,
                                 row.polarization[0] == 'H');
        })) {
      continue;
    }
    const check::Rule rule = check::Rule::kNotOnSatellite;
    findings.push_back({rule, check::RuleOf(rule).severity, list.block, static_cast<int>(i + 1),
                        "transponder", "frequency",
                        std::to_string(record.Khz() / 1000) + " " +
                            transponders::kPolarisationTexts[Horizontal(record) ? 1 : 0] +
                            " is not in the table of " + satellite});
  }
  std::size_t holdable = 0;
  std::string missing;
  std::size_t missing_count = 0;
  for (const RowFit& fit : FitRows(table, {diseqc_b, kFecDefault}, list.records)) {
    if (!fit.record || fit.repeat) continue;
    ++holdable;
    if (!fit.present.empty()) continue;
    if (++missing_count <= kGapsNamed) missing += (missing.empty() ? "" : ", ") + RowLabel(fit.row);
  }
  if (missing_count > kGapsNamed) {
    missing += " and " + std::to_string(missing_count - kGapsNamed) + " more";
  }
  if (missing_count > 0) {
    const check::Rule rule = check::Rule::kSatelliteGap;
    findings.push_back({rule, check::RuleOf(rule).severity, list.block, 0, "", "",
                        satellite + ": the list lacks " + std::to_string(missing_count) + " of " +
                            std::to_string(holdable) + " transponders it could hold: " + missing});
  }
  return findings;
}

}  // namespace chanforge::satellites
