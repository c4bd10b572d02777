// The editing commands on a ListDocument, the checks made before them and the texts
// they show.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editing/list_document.h"
#include "editing/undo_stack.h"

namespace chanforge::editing {

enum class ChannelField { kName, kUse, kTp, kSid, kVpid, kApid, kVecm, kAecm, kPcr };
inline constexpr std::size_t kChannelFieldCount = 9;
// The column headings; in lower case they are the field names a script gives.
inline constexpr const char* kChannelFieldHeadings[kChannelFieldCount] = {
    "Name", "Use", "TP", "SID", "VPID", "APID", "Vecm", "Aecm", "PCR"};

enum class TransponderField { kKhz, kBand, kPolarisation, kDiseqc, kFec, kTid, kNid, kChn, kSr };

enum class SortKey { kName, kSid, kFrequency };

// The field a lower-case heading names.
std::optional<ChannelField> ChannelFieldNamed(std::string_view name);
// Why "FIELD=VALUE" (UTF-8) cannot set a field of the record, or an empty text when it
// was set. Numbers are decimal, or hexadecimal after 0x. A TP must name a transponder.
std::string AssignChannelField(const ListDocument& document, ChannelRecord& record,
                               std::string_view utf8);
// The same for one field and its value; a name is given as Latin-1 bytes.
std::string SetChannelValue(const ListDocument& document, ChannelRecord& record, ChannelField field,
                            std::string_view value);

// Sets a field of a transponder: kHz for the frequency (the sub-kHz digits are kept),
// 1 for upper band, horizontal, DiSEqC B; the FEC as its code 0 to 3. Why not, or empty.
std::string SetTransponderValue(TransponderRecord& record, TransponderField field,
                                std::int64_t value);

// Why a 1-based number is not in a list of size things, or an empty text.
std::string CheckNumber(std::size_t number, std::size_t size, const char* thing);
// Why rows first to last (1-based) are not a range of the list, or an empty text.
std::string CheckRange(std::size_t first, std::size_t last, std::size_t size, const char* thing);
// Why rows first to last (1-based) cannot move before row `before` (one past the last
// is the end), or an empty text.
std::string CheckMove(std::size_t first, std::size_t last, std::size_t before, std::size_t size,
                      const char* thing);
// Why count channels cannot be inserted (the block would overflow), or an empty text.
std::string CheckInsertChannels(const ListDocument& document, std::size_t count);
// Why count transponders cannot be inserted, or an empty text.
std::string CheckInsertTransponders(const ListDocument& document, std::size_t count);
// The question asked before removing a transponder (0-based row) that channels use, or
// an empty text when none does.
std::string RemoveTransponderQuestion(const ListDocument& document, std::size_t row);

// Rows are 0-based below; the factories expect rows the checks above have passed.
std::unique_ptr<Command> SetChannel(ListDocument& document, std::size_t row, ChannelField field,
                                    const ChannelRecord& after);
// Inserts before row `position`; duplicate only changes the description.
std::unique_ptr<Command> InsertChannels(ListDocument& document, std::size_t position,
                                        std::vector<ChannelRecord> records, bool duplicate);
std::unique_ptr<Command> RemoveChannels(ListDocument& document, std::vector<std::size_t> rows);
std::unique_ptr<Command> MoveChannels(ListDocument& document, std::size_t first, std::size_t count,
                                      std::size_t before);
// Stable: equal keys keep their order.
std::unique_ptr<Command> SortChannels(ListDocument& document, SortKey key);

std::unique_ptr<Command> SetTransponder(ListDocument& document, std::size_t row,
                                        TransponderField field, const TransponderRecord& after);
std::unique_ptr<Command> InsertTransponders(ListDocument& document, std::size_t position,
                                            std::vector<TransponderRecord> records);
// Removes the channels using it in the same step.
std::unique_ptr<Command> RemoveTransponder(ListDocument& document, std::size_t row);
std::unique_ptr<Command> MoveTransponders(ListDocument& document, std::size_t first,
                                          std::size_t count, std::size_t before);

// A whole number in decimal or after "0x", or nothing when the text holds anything else.
std::optional<std::int64_t> ReadValue(std::string_view text);

// UTF-8 text as Latin-1 bytes, or nothing when a character has no Latin-1 byte.
std::optional<std::string> Utf8ToLatin1(std::string_view text);

}  // namespace chanforge::editing
