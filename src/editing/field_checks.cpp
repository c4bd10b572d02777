#include "editing/field_checks.h"

#include <algorithm>

#include "common/text_lines.h"

namespace chanforge::editing {

std::string AssignChannelField(const ListDocument& document, ChannelRecord& record,
                               std::string_view utf8) {
  const std::optional<std::string> latin1 = common::Utf8ToLatin1(utf8);
  if (!latin1) {
    return "\"" + std::string(utf8) + "\" holds a character that Latin-1 cannot store.";
  }
  const std::string_view assignment = *latin1;
  const std::size_t equals = assignment.find('=');
  if (equals == std::string_view::npos) {
    return "\"" + common::Latin1ToUtf8(assignment) + "\" is not FIELD=VALUE.";
  }
  const std::string_view name = assignment.substr(0, equals);
  const std::optional<ChannelField> field = ChannelFieldNamed(name);
  if (!field) {
    std::string names;
    for (const common::FieldInfo& info : channels::kChannelFields) {
      names += (names.empty() ? "" : ", ") + std::string(info.name);
    }
    return "Unknown field \"" + common::Latin1ToUtf8(name) + "\": the fields are " + names + ".";
  }
  return SetChannelValue(document, record, *field, assignment.substr(equals + 1));
}

std::string SetChannelValue(const ListDocument& document, ChannelRecord& record, ChannelField field,
                            std::string_view value) {
  if (field == ChannelField::kTp) {
    const std::optional<std::int64_t> number = common::ReadValue(value);
    const std::size_t count = document.transponders().size();
    if (number &&
        (*number < 1 || static_cast<std::size_t>(*number) > std::min(count, kMostTransponders))) {
      return channels::InfoOf(field).heading + (" " + common::Latin1ToUtf8(value)) +
             " names no transponder: the list has " + std::to_string(count) + ".";
    }
  }
  return channels::SetChannelText(record, field, value);
}

}  // namespace chanforge::editing
