// The --json documents: the same records the text output prints, as JSON values. Every
// finding's and change's English text is taken here, in FindingJson and ChangeJson.
#pragma once

#include <functional>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "channels/channel_record.h"
#include "check/image_check.h"
#include "check/image_diff.h"
#include "flash/flash_image.h"
#include "transponders/transponder_record.h"

namespace chanforge::cli {

using Json = nlohmann::ordered_json;

// {"kind", "severity", "place", "block", "list", "record", "field", "text"}: the text
// line is "SEVERITY: PLACE: TEXT".
Json FindingJson(const check::Finding& finding);
// {"kind", "place", "block", "list", "record", "record_label", "field", "before", "after",
// "text"}: text is the line diff prints.
Json ChangeJson(const check::Change& change);
// {"index", "name", "start", "length", "records"}: records only for a list block.
Json BlockJson(int index, const flash::BlockInfo& block);
// "nr" and every field of the field table under its command-line name; numbers as numbers,
// a field of choices and the name as UTF-8 text.
Json ChannelJson(std::size_t number, const channels::ChannelRecord& channel);
Json TransponderJson(std::size_t number, const transponders::TransponderRecord& transponder);

// A path or message as JSON text: the bytes as they are when they are UTF-8, else each as
// its Latin-1 character, so that any file name the shell passes makes valid JSON.
std::string JsonText(std::string_view text);

// One document, indented, ending in a line break.
void PrintJson(std::ostream& out, const Json& document);
// Whether the command printed its document: a failure before it prints {"error": TEXT}.
bool AnyJsonPrinted();

class JsonWriter;

// A list of records written into a --json document a record at a time, laid out as PrintJson
// lays out a document, never built as Json: a full list built first cost several times what
// the rest of the command does. Each record's members are those of ChannelJson or
// TransponderJson, numbered from 1.
class JsonRecordList {
 public:
  JsonRecordList(JsonWriter& writer, std::size_t depth);
  void Add(const channels::ChannelRecord& channel);
  // With "channels": how many channels use it.
  void Add(const transponders::TransponderRecord& transponder, std::size_t channels);

 private:
  friend class JsonListPrinter;
  template <typename Members>
  void AddMembers(Members&& members);

  JsonWriter& writer_;
  std::size_t depth_;
  std::size_t count_ = 0;
  // Each member's line up to its value, by its place in the record: every record of a list
  // has the same keys, and writing them again was a third of a full list's instructions.
  std::vector<std::pair<const char*, std::string>> member_starts_;
  std::string name_;  // a channel's name as UTF-8, its room kept from record to record
};

// Prints {"KEY": [ELEMENT, ...]} an element at a time, laid out as PrintJson lays out the
// whole document, so that a run over many images holds one image's entry at a time.
class JsonListPrinter {
 public:
  JsonListPrinter(std::ostream& out, const std::string& key);
  // The element, and when LIST is given, a last member LIST_KEY whose records LIST writes.
  void Add(const Json& element, const std::string& list_key = {},
           const std::function<void(JsonRecordList&)>& list = {});
  // Ends the list and the document.
  void Finish();

 private:
  std::ostream& out_;
  bool first_ = true;
};

}  // namespace chanforge::cli
