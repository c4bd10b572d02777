#include "editing/field_setters.h"

#include <algorithm>
#include <array>
#include <optional>
#include <set>
#include <utility>

#include "common/text_lines.h"

namespace chanforge::editing {

using channels::ChannelField;
using channels::ChannelRecord;
using transponders::SetTransponderText;
using transponders::TransponderField;
using transponders::TransponderRecord;

namespace {

using common::Message;
using common::Say;
using common::Value;

constexpr auto kNotAssignment = common::Wording("set.not-assignment", "{1} is not FIELD=VALUE.");
constexpr auto kUnknownField =
    common::Wording("set.unknown-field", "Unknown field {1}: the fields are {2}.");
constexpr auto kGivenTwice =
    common::Wording("set.given-twice", "{1} is given twice: give each field once.");
constexpr auto kNoSuchTp =
    common::Wording("set.no-such-tp", "{1} {2} names no transponder: the list has {3}.");

template <typename Field>
struct Assignment {
  Field field;
  std::string value;  // Latin-1
};

// "FIELD=VALUE" (UTF-8) split into a field of the table and its Latin-1 value.
template <typename Field, std::size_t kCount>
common::Result<Assignment<Field>> SplitAssignment(
    std::string_view utf8, const std::array<common::FieldInfo, kCount>& fields) {
  const std::optional<std::string> latin1 = common::Utf8ToLatin1(utf8);
  if (!latin1) return Say(common::kSentence, {common::NotLatin1Text(utf8)});
  const std::size_t equals = latin1->find('=');
  if (equals == std::string::npos) return Say(kNotAssignment, {Value(common::QuotedText(utf8))});
  const std::string_view name = std::string_view(*latin1).substr(0, equals);
  std::string names;
  for (std::size_t f = 0; f < kCount; ++f) {
    if (name == fields[f].name) {
      return Assignment<Field>{static_cast<Field>(f), latin1->substr(equals + 1)};
    }
    names += (names.empty() ? "" : ", ") + std::string(fields[f].name);
  }
  return Say(kUnknownField, {Value(common::QuotedText(common::Latin1ToUtf8(name))), Value(names)});
}

}  // namespace

common::Status EachFieldOnce(const std::vector<std::string>& assignments) {
  std::set<std::string_view> named;
  for (const std::string& assignment : assignments) {
    const std::string_view name = std::string_view(assignment).substr(0, assignment.find('='));
    if (!named.insert(name).second) return Say(kGivenTwice, {Value(common::QuotedText(name))});
  }
  return {};
}

common::Status AssignChannelField(const ListDocument& document, ChannelRecord& record,
                                  std::string_view utf8) {
  const common::Result<Assignment<ChannelField>> assignment =
      SplitAssignment<ChannelField>(utf8, channels::kChannelFields);
  if (!assignment.ok()) return assignment.status();
  return SetChannelValue(document, record, assignment->field, assignment->value);
}

common::Status AssignTransponderFields(TransponderRecord& record,
                                       const std::vector<std::string>& assignments) {
  if (common::Status once = EachFieldOnce(assignments); !once.ok()) return once;
  std::optional<std::string> khz, band;
  std::vector<std::pair<TransponderField, std::string>> others;
  for (const std::string& assignment : assignments) {
    common::Result<Assignment<TransponderField>> split =
        SplitAssignment<TransponderField>(assignment, transponders::kTransponderFields);
    if (!split.ok()) return split.status();
    auto& [field, value] = *split;
    if (field == TransponderField::kKhz) {
      khz = value;
    } else if (field == TransponderField::kBand) {
      band = value;
    } else {
      others.emplace_back(field, value);
    }
  }
  // The frequency and the band are set together, as a CSV row sets them: a band not given
  // stays as it is (a frequency it cannot carry is refused), an empty one takes the band
  // the frequency lies in.
  if (khz || band) {
    if (common::Status set = transponders::SetKhzAndBandText(
            record, khz ? *khz : std::to_string(record.Khz()),
            band ? *band : transponders::TransponderText(record, TransponderField::kBand));
        !set.ok()) {
      return set;
    }
  }
  for (const auto& [field, value] : others) {
    if (common::Status set = SetTransponderText(record, field, value); !set.ok()) return set;
  }
  return {};
}

common::Status SetChannelValue(const ListDocument& document, ChannelRecord& record,
                               ChannelField field, std::string_view value) {
  if (field == ChannelField::kTp) {
    const std::optional<std::int64_t> number = common::ReadValue(value);
    const std::size_t count = document.transponders().size();
    if (number &&
        (*number < 1 || static_cast<std::size_t>(*number) > std::min(count, kMostTransponders))) {
      return Say(kNoSuchTp, {common::HeadingOf(channels::InfoOf(field)),
                             Value(common::Latin1ToUtf8(value)), Value(count)});
    }
  }
  return channels::SetChannelText(record, field, value);
}

}  // namespace chanforge::editing
