#include "satellites/satellite_rows.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "common/text_lines.h"
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

// Whether the table has a row for the record's transponder (frequency within 2 MHz,
// polarisation).
bool TableHas(const ScanTable& table, const TransponderRecord& record) {
  return std::any_of(table.rows.begin(), table.rows.end(), [&](const ScanRow& row) {
    return Linear(row.polarization) && SameTransponder(record.Khz(), Horizontal(record),
                                                       row.frequency, row.polarization[0] == 'H');
  });
}

// The list's transponders on one DiSEqC input, and how many of them the table has.
std::pair<std::size_t, std::size_t> FoundOnInput(const std::vector<TransponderRecord>& list,
                                                 bool diseqc_b, const ScanTable& table) {
  std::size_t on_input = 0;
  std::size_t found = 0;
  for (const TransponderRecord& record : list) {
    if (record.IsEmpty() || DiseqcB(record) != diseqc_b) continue;
    ++on_input;
    found += TableHas(table, record);
  }
  return {found, on_input};
}

std::string InputName(bool diseqc_b) { return diseqc_b ? "DiSEqC B" : "DiSEqC A"; }

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
  // Stream 0 is the ordinary one a single-stream transponder carries.
  if (row.stream_id > 0) {
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

std::size_t RoomFor(const editing::ListDocument& document) {
  const std::size_t size = document.transponders().size();
  return size < editing::kMostTransponders ? editing::kMostTransponders - size : 0;
}

std::string PartialAddQuestion(std::size_t addable, std::size_t room) {
  return "The list has room for " + std::to_string(room) + " of the " + std::to_string(addable) +
         " transponders that can be added: a channel reaches at most " +
         std::to_string(editing::kMostTransponders) + " transponders." + common::kCrLf +
         "Add the first " + std::to_string(room) + " and leave out the other " +
         std::to_string(addable - room) + " ?";
}

void KeepWhatFits(std::vector<RowFit>& fits, std::size_t room) {
  for (RowFit& fit : fits) {
    if (!fit.Addable()) continue;
    if (room > 0) {
      --room;
    } else {
      fit.present = "No room left: a channel reaches at most " +
                    std::to_string(editing::kMostTransponders) + " transponders";
    }
  }
}

std::string OtherSatelliteHint(common::Files& files, const std::vector<RowFit>& fits,
                               const std::vector<TransponderRecord>& list, bool diseqc_b,
                               const std::string& name, const ScanTable& table,
                               const std::vector<Satellite>& others) {
  const bool any_in_list = std::any_of(fits.begin(), fits.end(), [](const RowFit& fit) {
    return fit.record && !fit.present.empty() && !fit.repeat;
  });
  const auto [found, on_input] = FoundOnInput(list, diseqc_b, table);
  if (!any_in_list || found * 2 >= on_input) return {};
  // The table that has most of the input's transponders, when it has more than half.
  std::string best;
  std::size_t best_found = on_input / 2;
  for (const Satellite& other : others) {
    const ScanTable other_table = ReadScanTable(files, other.path);
    const std::size_t other_found = FoundOnInput(list, diseqc_b, other_table).first;
    if (other_found > best_found) {
      best = NameForTerminal(other.name);
      best_found = other_found;
    }
  }
  const std::string input = InputName(diseqc_b);
  const std::string of = " of its " + std::to_string(on_input) + " transponders";
  const std::string advice = ": rows said to be in the list may be another satellite's " +
                             std::string("transponders, and another DiSEqC input may be meant.");
  if (best.empty()) {
    return input + " seems to hold another satellite than " + name + " (only " +
           std::to_string(found) + of + " are in its table)" + advice;
  }
  return input + " seems to hold " + best + " rather than " + name + " (" +
         std::to_string(best_found) + of + " are in " + best + "'s table)" + advice;
}

// A summary line names the first few; the rest are counted.
constexpr std::size_t kGapsNamed = 10;

std::vector<check::Finding> CheckAgainstTable(const check::TransponderTable& list, bool diseqc_b,
                                              const std::string& name, const ScanTable& table) {
  std::vector<check::Finding> findings;
  if (list.block < 0) return findings;
  const std::string satellite = name + " (" + InputName(diseqc_b) + ")";
  for (std::size_t i = 0; i < list.records.size(); ++i) {
    const TransponderRecord& record = list.records[i];
    if (record.IsEmpty() || DiseqcB(record) != diseqc_b || TableHas(table, record)) continue;
    const check::Rule rule = check::Rule::kNotOnSatellite;
    findings.push_back({rule, check::RuleOf(rule).severity, list.block, static_cast<int>(i + 1),
                        common::RecordNameOf(common::ListKind::kTransponders),
                        transponders::InfoOf(TransponderField::kKhz).name,
                        std::to_string(record.Khz() / 1000) + " " +
                            transponders::kPolarisationTexts[Horizontal(record) ? 1 : 0] +
                            " is not in the table of " + satellite});
  }
  // Rows of one transponder, written twice or within 2 MHz, count once; it is in the list
  // when any of them is.
  struct Distinct {
    const RowFit* first;
    bool in_list;
  };
  std::vector<Distinct> distinct;
  const std::vector<RowFit> fits = FitRows(table, {diseqc_b, kFecDefault}, list.records);
  for (const RowFit& fit : fits) {
    if (!fit.record) continue;
    const bool in_list = !fit.present.empty() && !fit.repeat;
    const auto same = std::find_if(distinct.begin(), distinct.end(), [&](const Distinct& d) {
      const TransponderRecord& other = *d.first->record;
      return SameTransponder(fit.record->Khz(), Horizontal(*fit.record), other.Khz(),
                             Horizontal(other));
    });
    if (same == distinct.end()) {
      distinct.push_back({&fit, in_list});
    } else {
      same->in_list = same->in_list || in_list;
    }
  }
  const std::size_t holdable = distinct.size();
  std::string missing;
  std::size_t missing_count = 0;
  for (const Distinct& d : distinct) {
    if (d.in_list) continue;
    if (++missing_count <= kGapsNamed)
      missing += (missing.empty() ? "" : ", ") + RowLabel(d.first->row);
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
