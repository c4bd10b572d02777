#include "cli/json_output.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <iterator>
#include <type_traits>
#include <utility>

#include "channels/channel_fields.h"
#include "common/text_fields.h"
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

namespace {

// Each member of a channel's object, in order, to PUT(key, number or text).
// NAME is room for the name's text, kept by a caller that writes many.
template <typename Put>
void ChannelMembers(std::size_t number, const channels::ChannelRecord& channel, std::string& name,
                    Put&& put) {
  put("nr", static_cast<std::int64_t>(number));
  const auto values = channels::ChannelValues(channel);
  for (std::size_t f = 0; f < channels::kChannelFieldCount; ++f) {
    const auto field = static_cast<channels::ChannelField>(f);
    // The name as the text prints it: without the padding behind it.
    if (field == channels::ChannelField::kName) {
      name.clear();
      common::AppendLatin1AsUtf8(name, channels::NameText(channel));
      put(channels::kChannelFields[f].name, std::string_view(name));
    } else {
      put(channels::kChannelFields[f].name, values[f]);
    }
  }
}

template <typename Put>
void TransponderMembers(std::size_t number, const transponders::TransponderRecord& transponder,
                        Put&& put) {
  put("nr", static_cast<std::int64_t>(number));
  for (std::size_t f = 0; f < transponders::kTransponderFieldCount; ++f) {
    const common::FieldInfo& info = transponders::kTransponderFields[f];
    const auto field = static_cast<transponders::TransponderField>(f);
    if (info.texts.empty()) {
      put(info.name, transponders::TransponderValue(transponder, field));
    } else {
      put(info.name, transponders::TransponderText(transponder, field));
    }
  }
}

}  // namespace

Json ChannelJson(std::size_t number, const channels::ChannelRecord& channel) {
  Json json = Json::object();
  std::string name;
  ChannelMembers(number, channel, name,
                 [&json](const char* key, auto value) { json[key] = value; });
  return json;
}

Json TransponderJson(std::size_t number, const transponders::TransponderRecord& transponder) {
  Json json = Json::object();
  TransponderMembers(number, transponder,
                     [&json](const char* key, auto value) { json[key] = value; });
  return json;
}

namespace {

std::size_t printed = 0;

// Every text went through JsonText or Latin1ToUtf8; a stray byte all the same is replaced
// rather than ending the command.
std::string Dumped(const Json& value) {
  return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace

// Writes JSON text as dump(2) lays it out into a text that goes out each time it holds
// 64 KB: a full list dumped whole, or each value through dump(), cost more than everything
// else the command does.
class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}
  ~JsonWriter() { out_ << text_; }
  JsonWriter(const JsonWriter&) = delete;
  JsonWriter& operator=(const JsonWriter&) = delete;

  // VALUE, its inner lines indented by DEPTH levels.
  void Value(const Json& value, std::size_t depth) {
    switch (value.type()) {
      case Json::value_t::string:
        Text(value.get_ref<const Json::string_t&>());
        return;
      case Json::value_t::number_integer:
        Number(value.get<std::int64_t>());
        return;
      case Json::value_t::number_unsigned:
        Number(value.get<std::uint64_t>());
        return;
      case Json::value_t::array:
      case Json::value_t::object:
        break;
      default:
        text_ += Dumped(value);
        return;
    }
    if (value.empty()) {
      text_ += Dumped(value);
      return;
    }
    const bool object = value.is_object();
    text_ += object ? '{' : '[';
    for (auto member = value.begin(); member != value.end(); ++member) {
      Next(member == value.begin(), depth + 1);
      if (object) Key(member.key());
      Value(*member, depth + 1);
    }
    Close(object ? '}' : ']', depth);
  }

  // A line break and the indent of DEPTH, after a comma unless FIRST.
  void Next(bool first, std::size_t depth) {
    if (text_.size() >= 64 * 1024) {
      out_ << text_;
      text_.clear();
    }
    text_ += first ? "\n" : ",\n";
    text_.append(2 * depth, ' ');
  }
  void Close(char bracket, std::size_t depth) {
    text_ += '\n';
    text_.append(2 * depth, ' ');
    text_ += bracket;
  }
  void Key(std::string_view key) {
    Text(key);
    text_ += ": ";
  }
  void Raw(std::string_view text) { text_ += text; }
  // Next and Key at once, from START once it holds what they write.
  void Member(bool first, std::size_t depth, const char* key, std::string& start) {
    if (start.empty()) {
      std::string written;
      std::swap(written, text_);
      Next(first, depth);
      Key(key);
      start = std::exchange(text_, std::move(written));
    }
    text_ += start;
  }
  // The same with a whole number as its value, both written at once.
  void Member(bool first, std::size_t depth, const char* key, std::string& start,
              std::int64_t number) {
    if (start.empty() || start.size() > kShortStart) {
      Member(first, depth, key, start);
      Number(number);
      return;
    }
    char line[kShortStart + common::kWidestDecimal];
    std::copy(start.begin(), start.end(), line);
    text_.append(line, common::WriteDecimal(line + start.size(), number));
  }

  // A text as dump() writes it: quotes, backslashes and controls escaped, UTF-8 as it stands.
  void Text(std::string_view text) {
    // Printable ASCII but for a quote and a backslash, as the keys and most names are, goes
    // as it stands.
    if (std::all_of(text.begin(), text.end(),
                    [](char c) { return c >= ' ' && c <= '~' && c != '"' && c != '\\'; })) {
      if (text.size() > kShortStart) {
        text_ += '"';
        text_ += text;
        text_ += '"';
        return;
      }
      // Quoted in place and appended at once, as every record's name is.
      char quoted[kShortStart + 2];
      quoted[0] = '"';
      std::copy(text.begin(), text.end(), quoted + 1);
      quoted[text.size() + 1] = '"';
      text_.append(quoted, text.size() + 2);
      return;
    }
    if (!common::IsUtf8(text)) {
      text_ += Dumped(std::string(text));
      return;
    }
    text_ += '"';
    std::size_t from = 0;  // the start of the run of bytes that stand as they are
    for (std::size_t at = 0; at < text.size(); ++at) {
      const auto c = static_cast<unsigned char>(text[at]);
      if (c >= 0x20 && c != '"' && c != '\\') continue;
      text_.append(text, from, at - from);
      from = at + 1;
      constexpr std::string_view kShort = "\bb\ff\nn\rr\tt\"\"\\\\";
      const std::size_t known = kShort.find(static_cast<char>(c));
      text_ += '\\';
      if (known != std::string_view::npos && known % 2 == 0) {
        text_ += kShort[known + 1];
      } else {
        constexpr char kHex[] = "0123456789abcdef";
        text_ += "u00";
        text_ += kHex[c >> 4];
        text_ += kHex[c & 0xF];
      }
    }
    text_.append(text, from);
    text_ += '"';
  }
  template <typename Whole>
  void Number(Whole number) {
    char digits[24];
    text_.append(digits, std::to_chars(std::begin(digits), std::end(digits), number).ptr);
  }

 private:
  static constexpr std::size_t kShortStart = 64;
  std::ostream& out_;
  std::string text_;
};

void PrintJson(std::ostream& out, const Json& document) {
  JsonWriter(out).Value(document, 0);
  out << '\n';
  ++printed;
}

bool AnyJsonPrinted() { return printed > 0; }

JsonRecordList::JsonRecordList(JsonWriter& writer, std::size_t depth)
    : writer_(writer), depth_(depth) {}

template <typename Members>
void JsonRecordList::AddMembers(Members&& members) {
  writer_.Next(count_ == 0, depth_ + 1);
  writer_.Raw("{");
  std::size_t member = 0;
  members([&](const char* key, const auto& value) {
    if (member == member_starts_.size()) member_starts_.emplace_back();
    auto& [start_key, start] = member_starts_[member];
    if (start_key != key) {
      start_key = key;
      start.clear();
    }
    if constexpr (std::is_integral_v<std::decay_t<decltype(value)>>) {
      writer_.Member(member++ == 0, depth_ + 2, key, start, value);
    } else {
      writer_.Member(member++ == 0, depth_ + 2, key, start);
      writer_.Text(value);
    }
  });
  writer_.Close('}', depth_ + 1);
  ++count_;
}

void JsonRecordList::Add(const channels::ChannelRecord& channel) {
  AddMembers([&](auto&& put) { ChannelMembers(count_ + 1, channel, name_, put); });
}

void JsonRecordList::Add(const transponders::TransponderRecord& transponder, std::size_t channels) {
  AddMembers([&](auto&& put) {
    TransponderMembers(count_ + 1, transponder, put);
    put("channels", static_cast<std::int64_t>(channels));
  });
}

JsonListPrinter::JsonListPrinter(std::ostream& out, const std::string& key) : out_(out) {
  out_ << "{\n  " << Json(key).dump() << ": [";
  ++printed;
}

void JsonListPrinter::Add(const Json& element, const std::string& list_key,
                          const std::function<void(JsonRecordList&)>& list) {
  JsonWriter writer(out_);
  writer.Next(first_, 2);
  first_ = false;
  if (!list) {
    writer.Value(element, 2);
    return;
  }
  // The element's members, then the list as its last.
  writer.Raw("{");
  for (auto member = element.begin(); member != element.end(); ++member) {
    writer.Next(member == element.begin(), 3);
    writer.Key(member.key());
    writer.Value(*member, 3);
  }
  writer.Next(element.empty(), 3);
  writer.Key(list_key);
  JsonRecordList records(writer, 3);
  writer.Raw("[");
  list(records);
  if (records.count_ == 0) {
    writer.Raw("]");
  } else {
    writer.Close(']', 3);
  }
  writer.Close('}', 2);
}

void JsonListPrinter::Finish() { out_ << (first_ ? "]\n}\n" : "\n  ]\n}\n"); }

}  // namespace chanforge::cli
