#include "cli/json_output.h"

#include <cstdint>

#include "channels/channel_fields.h"
#include "common/text_lines.h"
#include "flash/blocks.h"
#include "transponders/transponder_fields.h"

namespace chanforge::cli {

namespace {

// The kinds as scripts name them, in the order of the enums.
constexpr const char* kChangeNames[] = {"size",  "name",  "length", "added",     "removed",
                                        "moved", "field", "bytes",  "more-bytes"};
static_assert(std::size(kChangeNames) ==
              static_cast<std::size_t>(check::ChangeKind::kMoreBytes) + 1);

Json NumberOrNull(std::int64_t number, bool present) { return present ? Json(number) : Json(); }
Json TextOrNull(const std::string& text) { return text.empty() ? Json() : Json(JsonText(text)); }

// What a message says, as data: its wording's id and its values' texts, with the English
// sentence they make.
void PutMessage(Json& json, const common::Message& message) {
  json["id"] = message.wording ? Json(message.wording->id) : Json();
  Json values = Json::array();
  for (const common::Message& value : message.values) {
    values.push_back(JsonText(common::Format(value)));
  }
  json["values"] = std::move(values);
  json["text"] = JsonText(common::Format(message));
}

}  // namespace

std::string JsonText(std::string_view text) {
  return common::IsUtf8(text) ? std::string(text) : common::Latin1ToUtf8(text);
}

Json FindingJson(const check::Finding& finding) {
  Json json;
  json["kind"] = std::string(check::RuleName(finding.rule));
  json["severity"] = finding.severity == check::Severity::kError ? "error" : "warning";
  json["place"] = JsonText(common::Format(check::FindingPlace(finding)));
  json["block"] = NumberOrNull(finding.block, finding.block != check::kImageWide);
  json["list"] = TextOrNull(finding.item);
  json["record"] = NumberOrNull(finding.record, finding.record > 0);
  json["field"] = TextOrNull(finding.field);
  PutMessage(json, finding.message);
  return json;
}

Json ChangeJson(const check::Change& change) {
  Json json;
  json["kind"] = kChangeNames[static_cast<std::size_t>(change.kind)];
  json["place"] = JsonText(common::Format(check::ChangePlace(change)));
  json["block"] = NumberOrNull(change.block, change.block >= 0);
  json["list"] = change.list
                     ? Json(*change.list == common::ListKind::kChannels ? "channel" : "transponder")
                     : Json();
  json["record"] = NumberOrNull(change.record, change.record > 0);
  json["record_label"] = TextOrNull(change.record_label);
  json["field"] = TextOrNull(change.field);
  json["before"] = JsonText(common::Format(change.before));
  json["after"] = JsonText(common::Format(change.after));
  json["text"] = JsonText(common::Format(check::FormatChange(change)));
  return json;
}

Json BlockJson(int index, const flash::BlockInfo& block) {
  Json json;
  json["index"] = index;
  json["name"] = common::Latin1ToUtf8(block.name);
  json["start"] = block.start;
  json["length"] = block.length;
  const std::size_t record = flash::RecordSize(flash::ListKindOf(block));
  json["records"] = NumberOrNull(
      static_cast<std::int64_t>(block.length) / static_cast<std::int64_t>(record == 0 ? 1 : record),
      record > 0);
  return json;
}

Json ChannelJson(std::size_t number, const channels::ChannelRecord& channel) {
  Json json;
  json["nr"] = number;
  // As the text prints it: without the padding behind the name.
  const std::string_view name = channels::NameText(channel);
  for (std::size_t f = 0; f < channels::kChannelFieldCount; ++f) {
    const auto field = static_cast<channels::ChannelField>(f);
    json[channels::kChannelFields[f].name] = field == channels::ChannelField::kName
                                                 ? Json(common::Latin1ToUtf8(name))
                                                 : Json(channels::ChannelValue(channel, field));
  }
  return json;
}

Json TransponderJson(std::size_t number, const transponders::TransponderRecord& transponder) {
  Json json;
  json["nr"] = number;
  for (std::size_t f = 0; f < transponders::kTransponderFieldCount; ++f) {
    const common::FieldInfo& info = transponders::kTransponderFields[f];
    const auto field = static_cast<transponders::TransponderField>(f);
    json[info.name] = info.texts.empty() ? Json(transponders::TransponderValue(transponder, field))
                                         : Json(transponders::TransponderText(transponder, field));
  }
  return json;
}

namespace {
std::size_t printed = 0;
}  // namespace

void PrintJson(std::ostream& out, const Json& document) {
  // Every text went through JsonText or Latin1ToUtf8; a stray byte all the same is replaced
  // rather than ending the command.
  out << document.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
  ++printed;
}

bool AnyJsonPrinted() { return printed > 0; }

namespace {

// A document as PrintJson writes it, each line indented by the depth it stands at.
std::string Indented(const Json& value, const std::string& indent) {
  std::string text = value.dump(2, ' ', false, Json::error_handler_t::replace);
  for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) {
    text.insert(at + 1, indent);
  }
  return indent + text;
}

}  // namespace

JsonListPrinter::JsonListPrinter(std::ostream& out, const std::string& key) : out_(out) {
  out_ << "{\n  " << Json(key).dump() << ": [";
  ++printed;
}

void JsonListPrinter::Add(const Json& element) {
  out_ << (first_ ? "\n" : ",\n") << Indented(element, "    ");
  first_ = false;
}

void JsonListPrinter::Finish() { out_ << (first_ ? "]\n}\n" : "\n  ]\n}\n"); }

}  // namespace chanforge::cli
