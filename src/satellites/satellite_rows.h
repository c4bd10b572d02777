// What of a satellite's scan table the transponder list can hold: each row's record, or
// why it has none; adding the chosen rows; checking a list against the table.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "check/image_check.h"
#include "check/image_lists.h"
#include "editing/list_document.h"
#include "editing/undo_stack.h"
#include "satellites/scan_table.h"
#include "transponders/transponder_record.h"

namespace chanforge::satellites {

// The FEC a row gets when the list cannot store its own (AUTO, 7/8, ...): 3/4.
inline constexpr std::uint8_t kFecDefault = 2;
// Two transponders closer than this, on one polarisation, are one.
inline constexpr std::int64_t kSameTransponderKhz = 2000;

struct FitChoices {
  bool diseqc_b = false;
  std::uint8_t fec_default = kFecDefault;  // a code of kFecTexts
};

// One table row and what the list would hold for it.
struct RowFit {
  ScanRow row;
  std::optional<transponders::TransponderRecord> record;  // none: the list cannot hold it
  common::Message refusal;  // why there is no record, reasons joined by "; "
  common::Message notes;    // what the record stores otherwise than the row says
  common::Message present;  // why it is left out although it fits: already in the list, a repeat
  bool repeat = false;      // of an earlier row of the table
  // What a dialog checks at first and the command line adds.
  bool Addable() const { return record.has_value() && present.empty(); }
};

// Every row of the table against the list it would join (the present records).
std::vector<RowFit> FitRows(const ScanTable& table, const FitChoices& choices,
                            const std::vector<transponders::TransponderRecord>& list);

// The chosen records, appended to the list as one undoable step (links kept); refused when
// the list cannot take them.
common::Result<std::unique_ptr<editing::Command>> AddRecords(
    const editing::ListDocument& document, std::vector<transponders::TransponderRecord> records);
// The records of the addable rows, in the table's order.
std::vector<transponders::TransponderRecord> AddableRecords(const std::vector<RowFit>& fits);

// How many more transponders the list can take: a channel's TP reaches only so far.
std::size_t RoomFor(const editing::ListDocument& document);
// Asked when more rows can be added than the list has room for.
common::Message PartialAddQuestion(std::size_t addable, std::size_t room);
// Leaves the addable rows past the first room of them out, each saying why.
void KeepWhatFits(std::vector<RowFit>& fits, std::size_t room);

// Said when rows are left out as already in the list while most of the list's transponders
// on that input are in no table of the satellite chosen (named name; the tables of its
// orbital position count together): which satellite the input seems to hold, from the
// others' tables (read now, one position's together), and that another input may be meant.
// Empty otherwise.
common::Message OtherSatelliteHint(common::Files& files, const std::vector<RowFit>& fits,
                                   const std::vector<transponders::TransponderRecord>& list,
                                   bool diseqc_b, const std::string& name, const ScanTable& table,
                                   const std::vector<Satellite>& others);

// The list's transponders on one DiSEqC input against its satellite's table: a warning
// for each one the table lacks (frequency +-2 MHz, polarisation), and one line for the
// table's rows the list could hold but lacks.
std::vector<check::Finding> CheckAgainstTable(const check::TransponderTable& list, bool diseqc_b,
                                              const std::string& name, const ScanTable& table);

// The satellite chosen for one DiSEqC input and its table as read, or why it could not be;
// no name is none chosen.
struct InputTable {
  bool diseqc_b = false;
  std::string name;
  common::Result<ScanTable> table = ScanTable{};
};

// The image check's findings followed by each chosen input's table against the list: the
// one check the window and the command line show. A table that could not be read adds
// nothing; its error is for the caller to say.
std::vector<check::Finding> CheckWithTables(std::vector<check::Finding> findings,
                                            const check::TransponderTable& list,
                                            std::span<const InputTable> tables);

}  // namespace chanforge::satellites
