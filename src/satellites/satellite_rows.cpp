#include "satellites/satellite_rows.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <utility>

#include "common/text_lines.h"
#include "editing/list_commands.h"
#include "transponders/transponder_fields.h"

namespace chanforge::satellites {

namespace {

using common::Message;
using common::Say;
using common::Value;
using common::Wording;
using transponders::TransponderField;
using transponders::TransponderRecord;

constexpr auto kNoPolarization = Wording("satellite.no-polarization", "No POLARIZATION");
constexpr auto kCircular =
    Wording("satellite.circular", "Circular polarisation {1}: the list holds V or H");
constexpr auto kNotVOrH = Wording("satellite.not-v-or-h", "Polarisation {1} is not V or H");
constexpr auto kNoSymbolRate = Wording("satellite.no-symbol-rate", "No SYMBOL_RATE");
constexpr auto kBelowOne = Wording("satellite.below-1-msym", "SR {1} Msym/s is below 1 Msym/s");
constexpr auto kAboveMost =
    Wording("satellite.above-most", "SR {1} Msym/s is above the list's {2} Msym/s");
constexpr auto kRounded = Wording("satellite.rounded", "SR {1} Msym/s is stored rounded as {2}");
constexpr auto kNoFec = Wording("satellite.no-fec", "No INNER_FEC");
constexpr auto kFecDefaultNote = Wording("satellite.fec-default", "{1}: stored as the default {2}");
constexpr auto kNoDeliverySystem = Wording("satellite.no-delivery-system", "No DELIVERY_SYSTEM");
constexpr auto kOtherSystem =
    Wording("satellite.other-system",
            "{1}: the receiver tunes DVB-S QPSK and the list cannot mark another");
//: A transmission system, then its modulation: "DVB-S2 8PSK".
constexpr auto kSystemModulation = Wording("satellite.system-modulation", "{1} {2}");
constexpr auto kMultistream = Wording(
    "satellite.multistream", "Multistream (STREAM_ID {1}): the list cannot choose a stream");
constexpr auto kNoFrequency = Wording("satellite.no-frequency", "No FREQUENCY");
constexpr auto kAlreadyIn =
    Wording("satellite.already-in", "Already in the list as transponder {1}");
constexpr auto kRepeats = Wording("satellite.repeats", "Repeats {1}");
constexpr auto kPartialAdd = Wording(
    "satellite.partial-add",
    "The list has room for {1} of the {2} transponders that can be added: a channel reaches at "
    "most {3} transponders.\r\nAdd the first {1} and leave out the other {4} ?");
constexpr auto kNoRoom =
    Wording("satellite.no-room", "No room left: a channel reaches at most {1} transponders");
constexpr auto kDiseqcA = Wording("satellite.diseqc-a", "DiSEqC A");
constexpr auto kDiseqcB = Wording("satellite.diseqc-b", "DiSEqC B");
// The other satellite is an orbital position ("28.2E"), or a table's name without one.
constexpr auto kHoldsAnother = Wording(
    "satellite.holds-another",
    "{1} seems to hold another satellite than {2} (the tables of {5} have only {3} of the {4} "
    "on {1}): rows said to be in the list may be another satellite's transponders, and "
    "another DiSEqC input may be meant.");
constexpr auto kHoldsOther = Wording(
    "satellite.holds-other",
    "{1} seems to hold {5} rather than {2} (the tables of {5} have {3} of the {4} on {1}): rows "
    "said to be in the list may be another satellite's transponders, and another DiSEqC input "
    "may be meant.");
//: A satellite's name, then its DiSEqC input: "Astra 19.2E (DiSEqC A)".
constexpr auto kOnInput = Wording("satellite.on-input", "{1} ({2})");
constexpr auto kNotInTable =
    Wording("satellite.not-in-table", "{1} {2} is not in the table of {3}");
constexpr auto kLacks =
    Wording("satellite.lacks", "{1}: the list lacks {2} of {3} transponders it could hold: {4}");

Message Joined(std::vector<Message> parts) {
  return common::Joined(std::move(parts), common::kSemicolons);
}

// A field's refusal as a reason among others: without its full stop.
Message Reason(Message refusal) {
  if (refusal.wording == &common::kSentence && !refusal.values.empty()) {
    return std::move(refusal.values.front());
  }
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
// For each of the list's transponders on one input, in the list's order, whether the table
// has it.
std::vector<bool> FoundOnInput(const std::vector<TransponderRecord>& list, bool diseqc_b,
                               const ScanTable& table) {
  std::vector<bool> found;
  for (const TransponderRecord& record : list) {
    if (record.IsEmpty() || DiseqcB(record) != diseqc_b) continue;
    found.push_back(TableHas(table, record));
  }
  return found;
}

// One orbital position's tables count as one satellite, whatever their files; a table
// without a position in its name is a satellite of its own.
std::string SatelliteOf(const std::string& name) {
  const std::string position = PositionOf(name);
  return position.empty() ? name : position;
}

Message InputName(bool diseqc_b) { return Say(diseqc_b ? kDiseqcB : kDiseqcA); }

void FitPolarisation(const ScanRow& row, TransponderRecord& record,
                     std::vector<Message>& refusals) {
  const std::string& text = row.polarization;
  if (Linear(text)) {
    (void)transponders::SetTransponderValue(record, TransponderField::kPolarisation,
                                            text[0] == 'H');
  } else if (text.empty()) {
    refusals.push_back(Say(kNoPolarization));
  } else if (text == "LEFT" || text == "RIGHT" || text == "L" || text == "R") {
    refusals.push_back(Say(kCircular, {Value(text)}));
  } else {
    refusals.push_back(Say(kNotVOrH, {Value(text)}));
  }
}

void FitSymbolRate(const ScanRow& row, TransponderRecord& record, std::vector<Message>& refusals,
                   std::vector<Message>& notes) {
  if (row.symbol_rate < 0) return refusals.push_back(Say(kNoSymbolRate));
  const std::int64_t msym = transponders::MsymOfKs(row.symbol_rate / 1000);
  const Message rate = Value(MsymText(row.symbol_rate));
  if (msym == 0) return refusals.push_back(Say(kBelowOne, {rate}));
  const common::FieldInfo& info = transponders::InfoOf(TransponderField::kSr);
  if (msym > info.most) return refusals.push_back(Say(kAboveMost, {rate, Value(info.most)}));
  (void)transponders::SetTransponderValue(record, TransponderField::kSr, msym);  // in range
  if (row.symbol_rate % 1000000 != 0) notes.push_back(Say(kRounded, {rate, Value(msym)}));
}

void FitFec(const ScanRow& row, const FitChoices& choices, TransponderRecord& record,
            std::vector<Message>& notes) {
  const std::optional<std::uint8_t> code = transponders::FecCodeOf(row.inner_fec);
  if (code) {
    (void)transponders::SetTransponderValue(record, TransponderField::kFec, *code);
    // 5/6 is stored as 4/5, as the receiver's lists always have.
    Message problem = transponders::FecProblem(row.inner_fec);
    if (!problem.empty()) notes.push_back(std::move(problem));
    return;
  }
  (void)transponders::SetTransponderValue(record, TransponderField::kFec, choices.fec_default);
  notes.push_back(
      Say(kFecDefaultNote,
          {row.inner_fec.empty() ? Say(kNoFec) : transponders::FecProblem(row.inner_fec),
           Value(transponders::kFecTexts[choices.fec_default])}));
}

RowFit FitRow(const ScanRow& row, const FitChoices& choices) {
  RowFit fit{row, {}, {}, {}, {}, false};
  std::vector<Message> refusals = row.problems;
  std::vector<Message> notes;
  if (row.delivery_system.empty()) {
    refusals.push_back(Say(kNoDeliverySystem));
  } else if (row.delivery_system != "DVBS" ||
             !(row.modulation.empty() || row.modulation == "QPSK")) {
    const std::string& system = row.delivery_system;
    const std::string name = system == "DVBS" ? "DVB-S" : system == "DVBS2" ? "DVB-S2" : system;
    refusals.push_back(Say(
        kOtherSystem,
        {row.modulation.empty() ? Value(name)
                                : Say(kSystemModulation, {Value(name), Value(row.modulation)})}));
  }
  // Stream 0 is the ordinary one a single-stream transponder carries.
  if (row.stream_id > 0) {
    refusals.push_back(Say(kMultistream, {Value(row.stream_id)}));
  }
  TransponderRecord record;
  if (row.frequency < 0) {
    refusals.push_back(Say(kNoFrequency));
  } else if (common::Status put = transponders::PutKhz(record, row.frequency,
                                                       transponders::UpperBandOf(row.frequency));
             !put.ok()) {
    refusals.push_back(Reason(put.message()));
  }
  FitPolarisation(row, record, refusals);
  FitSymbolRate(row, record, refusals, notes);
  FitFec(row, choices, record, notes);
  (void)transponders::SetTransponderValue(record, TransponderField::kDiseqc, choices.diseqc_b);
  if (refusals.empty()) {
    fit.record = record;
    fit.notes = Joined(std::move(notes));
  } else {
    fit.refusal = Joined(std::move(refusals));
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
        if (same(list[i])) fit.present = Say(kAlreadyIn, {Value(i + 1)});
      }
      for (std::size_t i = 0; i < fits.size() && fit.present.empty(); ++i) {
        if (fits[i].Addable() && same(*fits[i].record)) {
          fit.present = Say(kRepeats, {RowLine(fits[i].row)});
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

common::Result<std::unique_ptr<editing::Command>> AddRecords(
    const editing::ListDocument& document, std::vector<TransponderRecord> records) {
  if (common::Status room = editing::CheckInsertTransponders(document, records.size());
      !room.ok()) {
    return room;
  }
  return editing::InsertTransponders(document.transponders().size(), std::move(records));
}

std::size_t RoomFor(const editing::ListDocument& document) {
  const std::size_t size = document.transponders().size();
  return size < editing::kMostTransponders ? editing::kMostTransponders - size : 0;
}

Message PartialAddQuestion(std::size_t addable, std::size_t room) {
  return Say(kPartialAdd, {Value(room), Value(addable), Value(editing::kMostTransponders),
                           Value(addable - room)});
}

void KeepWhatFits(std::vector<RowFit>& fits, std::size_t room) {
  for (RowFit& fit : fits) {
    if (!fit.Addable()) continue;
    if (room > 0) {
      --room;
    } else {
      fit.present = Say(kNoRoom, {Value(editing::kMostTransponders)});
    }
  }
}

Message OtherSatelliteHint(common::Files& files, const std::vector<RowFit>& fits,
                           const std::vector<TransponderRecord>& list, bool diseqc_b,
                           const std::string& name, const ScanTable& table,
                           const std::vector<Satellite>& others) {
  const bool any_in_list = std::any_of(fits.begin(), fits.end(), [](const RowFit& fit) {
    return fit.record && !fit.present.empty() && !fit.repeat;
  });
  if (!any_in_list) return {};
  // By satellite, the input's transponders that any of its tables has.
  const std::string chosen = SatelliteOf(name);
  std::map<std::string, std::vector<bool>> found{{chosen, FoundOnInput(list, diseqc_b, table)}};
  const std::size_t on_input = found[chosen].size();
  const auto count = [&](const std::string& satellite) {
    const std::vector<bool>& flags = found[satellite];
    return static_cast<std::size_t>(
        std::count_if(flags.begin(), flags.end(), [](bool has) { return has; }));
  };
  const auto add = [&](const std::string& satellite, const ScanTable& more) {
    std::vector<bool>& flags = found.try_emplace(satellite, on_input, false).first->second;
    const std::vector<bool> has = FoundOnInput(list, diseqc_b, more);
    for (std::size_t i = 0; i < on_input; ++i) flags[i] = flags[i] || has[i];
  };
  for (const Satellite& other : others) {
    if (const common::Result<ScanTable> more = ReadScanTable(files, other.path); more.ok()) {
      add(SatelliteOf(other.name), *more);
    }
  }
  if (count(chosen) * 2 >= on_input) return {};
  // The satellite with most of the input's transponders, when it has more than half.
  std::string best;
  std::size_t best_found = on_input / 2;
  for (const auto& [satellite, flags] : found) {
    if (satellite != chosen && count(satellite) > best_found) {
      best = satellite;
      best_found = count(satellite);
    }
  }
  const Message transponders = common::CountOf(common::ListKind::kTransponders, on_input);
  if (best.empty()) {
    return Say(kHoldsAnother, {InputName(diseqc_b), Value(name), Value(count(chosen)), transponders,
                               Value(NameForTerminal(chosen))});
  }
  return Say(kHoldsOther, {InputName(diseqc_b), Value(name), Value(best_found), transponders,
                           Value(NameForTerminal(best))});
}

// A summary line names the first few; the rest are counted.
constexpr std::size_t kGapsNamed = 10;

std::vector<check::Finding> CheckAgainstTable(const check::TransponderTable& list, bool diseqc_b,
                                              const std::string& name, const ScanTable& table) {
  std::vector<check::Finding> findings;
  if (list.block < 0) return findings;
  const Message satellite = Say(kOnInput, {Value(name), InputName(diseqc_b)});
  for (std::size_t i = 0; i < list.records.size(); ++i) {
    const TransponderRecord& record = list.records[i];
    if (record.IsEmpty() || DiseqcB(record) != diseqc_b || TableHas(table, record)) continue;
    const check::Rule rule = check::Rule::kNotOnSatellite;
    findings.push_back(
        {rule, check::RuleOf(rule).severity, list.block, static_cast<int>(i + 1),
         common::RecordNameOf(common::ListKind::kTransponders),
         transponders::InfoOf(TransponderField::kKhz).name,
         Say(kNotInTable,
             {Value(record.Khz() / 1000),
              Value(transponders::kPolarisationTexts[Horizontal(record) ? 1 : 0]), satellite})});
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
  std::vector<Message> named;
  std::size_t missing_count = 0;
  for (const Distinct& d : distinct) {
    if (d.in_list) continue;
    if (++missing_count <= kGapsNamed) named.push_back(RowLabel(d.first->row));
  }
  Message missing = common::Joined(std::move(named), common::kCommas);
  if (missing_count > kGapsNamed) {
    missing = Say(common::kAndMore, {std::move(missing), Value(missing_count - kGapsNamed)});
  }
  if (missing_count > 0) {
    const check::Rule rule = check::Rule::kSatelliteGap;
    findings.push_back(
        {rule, check::RuleOf(rule).severity, list.block, 0, "", "",
         Say(kLacks, {satellite, Value(missing_count), Value(holdable), std::move(missing)})});
  }
  return findings;
}

std::vector<check::Finding> CheckWithTables(std::vector<check::Finding> findings,
                                            const check::TransponderTable& list,
                                            std::span<const InputTable> tables) {
  for (const InputTable& input : tables) {
    if (input.name.empty() || !input.table.ok()) continue;
    for (check::Finding& finding :
         CheckAgainstTable(list, input.diseqc_b, input.name, *input.table)) {
      findings.push_back(std::move(finding));
    }
  }
  return findings;
}

}  // namespace chanforge::satellites
