// The fields of a channel record: one table that every road reads, and the codec between
// a field's stored value and its text.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "channels/channel_record.h"
#include "common/field_info.h"
#include "common/status.h"

namespace chanforge::channels {

enum class ChannelField { kName, kUse, kTp, kSid, kVpid, kApid, kVecm, kAecm, kPcr };
inline constexpr std::size_t kChannelFieldCount = 9;

// The receiver's service types that have a name; any other stays a number.
inline constexpr common::CodeName kUseNames[] = {
    {0x04, common::Wording("use.tv", "TV")},
    {0x08, common::Wording("use.radio", "Radio")},
};

// clang-format off
inline constexpr std::array<common::FieldInfo, kChannelFieldCount> kChannelFields = {{
    // name   heading  offset          width          text column     columns  base least most
    {"name", common::Wording("field.name", "Name"), kTcsNameOffset, kTcsNameWidth, kTcsNameColumn, kTcsNameWidth, 0, 0, 0, "", {}, {}},
    {"use", common::Wording("field.use", "Use"), kTcsUseOffset, 1, kTcsUseColumn, 2, 16, 0, common::kByteMost, "", {}, kUseNames},
    {"tp", common::Wording("field.tp", "TP"), kTcsTpOffset, 1, kTcsTpColumn, 2, 16, 1, common::kByteMost, "", {}, {}},
    {"sid", common::Wording("field.sid", "SID"), kTcsWordOffset, 2, kTcsWordColumns[kSid], kTcsWordWidth, 10, 0, common::kWordMost, "", {}, {}},
    {"vpid", common::Wording("field.vpid", "VPID"), kTcsWordOffset + 2, 2, kTcsWordColumns[kVpid], kTcsWordWidth, 10, 0, common::kWordMost, "", {}, {}},
    {"apid", common::Wording("field.apid", "APID"), kTcsWordOffset + 4, 2, kTcsWordColumns[kApid], kTcsWordWidth, 10, 0, common::kWordMost, "", {}, {}},
    {"vecm", common::Wording("field.vecm", "Vecm"), kTcsWordOffset + 6, 2, kTcsWordColumns[kVecm], kTcsWordWidth, 10, 0, common::kWordMost, "", {}, {}},
    {"aecm", common::Wording("field.aecm", "Aecm"), kTcsWordOffset + 8, 2, kTcsWordColumns[kAecm], kTcsWordWidth, 10, 0, common::kWordMost, "", {}, {}},
    {"pcr", common::Wording("field.pcr", "PCR"), kTcsWordOffset + 10, 2, kTcsWordColumns[kPcr], kTcsWordWidth, 10, 0, common::kWordMost, "", {}, {}},
}};
// clang-format on

constexpr const common::FieldInfo& InfoOf(ChannelField field) {
  return kChannelFields[static_cast<std::size_t>(field)];
}
// The field of one of the six 16-bit words.
constexpr ChannelField WordField(std::size_t word) {
  return static_cast<ChannelField>(static_cast<std::size_t>(ChannelField::kSid) + word);
}

// The field a name (the command line's FIELD) names.
std::optional<ChannelField> ChannelFieldNamed(std::string_view name);

// A number field's value; 0 for the name.
std::int64_t ChannelValue(const ChannelRecord& record, ChannelField field);
// Every field's ChannelValue, from one encoding of the record: a listing shows them all.
std::array<std::int64_t, kChannelFieldCount> ChannelValues(const ChannelRecord& record);
// The field as the CSV and the command line show it: the name's Latin-1 bytes up to its
// first NUL, a number in decimal.
std::string ChannelText(const ChannelRecord& record, ChannelField field);
// The name's bytes up to its first NUL, as ChannelText gives them.
std::string_view NameUpToNul(const ChannelRecord& record);
// The name's bytes without the blanks and NULs that pad it to its width.
std::string_view NameText(const ChannelRecord& record);
// The name as stored up to its padding, each byte as Latin-1 text and a control byte as
// \xNN, so that a line stays one line and shows every byte.
std::string ShownName(const ChannelRecord& record);

// Whether a typed name (UTF-8) fits the field: Latin-1, and at most its width in bytes.
bool NameFits(std::string_view utf8);

// Stores a Latin-1 text: a name of at most 16 bytes, NUL padded as the text road stores
// it (a blank at its end is refused, as that road would drop it; the name the record has,
// blanks and all, changes nothing), or a number in decimal or after 0x within the field's
// range.
common::Status SetChannelText(ChannelRecord& record, ChannelField field, std::string_view text);

}  // namespace chanforge::channels
