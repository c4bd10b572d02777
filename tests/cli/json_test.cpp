// --json: each command's document says what its text says, with the formats page's keys in order.
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "channels/channel_fields.h"
#include "cli/json_output.h"
#include "cli_fixture.h"
#include "transponders/transponder_fields.h"

namespace chanforge::cli {
namespace {

using json = nlohmann::ordered_json;
using Lines = std::vector<std::string>;

Lines Split(const std::string& text) {
  Lines lines;
  for (std::size_t at = 0; at < text.size(); at = text.find('\n', at) + 1)
    lines.push_back(text.substr(at, text.find('\n', at) - at));
  return lines;
}

// A value as a text column shows it.
std::string Cell(const json& value) {
  return value.is_string() ? value.get<std::string>() : value.dump();
}

// Each image's records as the text prints them: a head line when there are several, then
// the values of a record tab-separated (a block's index and name).
Lines Table(const json& images, const char* list) {
  Lines lines;
  for (const json& image : images) {
    if (images.size() > 1) {
      if (!lines.empty()) lines.push_back("");
      lines.push_back("==> " + Cell(image["file"]) + " <==");
    }
    for (json record : image[list]) {
      if (*list == 'b')
        record = {{"", "Block:" + Cell(record["index"]) + " " + Cell(record["name"])}};
      std::string line;
      for (const json& value : record) line += (line.empty() ? "" : "\t") + Cell(value);
      lines.push_back(line);
    }
  }
  return lines;
}

// Every "text" of the lists named, in turn.
template <typename... List>
Lines Texts(const json& document, List... lists) {
  Lines lines;
  for (const char* list : {lists...})
    for (const json& item : document[list]) lines.push_back(Cell(item["text"]));
  return lines;
}

// The formats page's key lists, "object: key, key, [key]", with "channel fields" and
// "transponder fields" spelled out as the field tables name them.
std::map<std::string, Lines> PageKeys() {
  std::ifstream page(CHANFORGE_FORMATS_PAGE);
  std::string line;
  for (bool keys = false; std::getline(page, line) && !(keys && line == ".nf");)
    keys = keys || line == ".SS Keys";
  std::map<std::string, Lines> keys;
  while (std::getline(page, line) && line != ".fi") {
    std::erase(line, '\\');
    Lines& listed = keys[line.substr(0, line.find(':'))];
    std::istringstream list(line.substr(line.find(':') + 1));
    for (std::string key; std::getline(list >> std::ws, key, ',');) {
      std::span<const common::FieldInfo> fields;
      if (key == "channel fields") fields = channels::kChannelFields;
      if (key == "transponder fields") fields = transponders::kTransponderFields;
      for (const common::FieldInfo& info : fields) listed.push_back(info.name);
      if (fields.empty()) listed.push_back(key);
    }
  }
  return keys;
}

// Holds an object's keys against the page's list for it, and the objects in its arrays
// against theirs: by the array's key, images by their command's too.
void CheckKeys(const std::map<std::string, Lines>& page, const std::string& command,
               const std::string& name, const json& object, std::set<std::string>& seen) {
  seen.insert(name);
  Lines keys, listed;
  for (const auto& [key, value] : object.items()) {
    keys.push_back(key);
    for (const json& element : value.is_array() ? value : json::array()) {
      if (element.is_object())
        CheckKeys(page, command, key == "images" ? "images of " + command : key, element, seen);
    }
  }
  for (const std::string& key : page.at(name)) {
    if (key.front() != '[') listed.push_back(key);
    if (key == "[error]" && object.contains("error")) listed.push_back("error");
  }
  EXPECT_EQ(keys, listed) << name;
}

TEST_F(Cli, EveryJsonDocumentSaysWhatTheTextSays) {
  std::string image = MakeSampleImage();
  image[0x44 + 17] = 0x7F;  // channel 1's TP points past the transponders
  dir_.Write("bad.bin", image);
  ASSERT_EQ(Cmd("remove-channels flash512k.bin 2-3 -o fewer.bin").status, 0);
  std::filesystem::create_directory(dir_.Path("tables"));
  dir_.Write("tables/Sat-13.0E", testing::ScanTableRow(11767000, "V", 27500000, "3/4"));
  const std::pair<std::string, std::function<Lines(const json&)>> runs[] = {
      {"blocks flash512k.bin bad.bin none.bin",
       [](const json& d) { return Table(d["images"], "blocks"); }},
      {"channels flash512k.bin none.bin",
       [](const json& d) { return Table(d["images"], "channels"); }},
      {"transponders bad.bin fewer.bin none.bin",
       [](const json& d) { return Table(d["images"], "transponders"); }},
      {"check flash512k.bin bad.bin",
       [&](const json& d) {
         Lines lines;
         for (const json& one : d["images"]) {
           const json &e = one["errors"], &w = one["warnings"];
           lines.push_back(Cell(one["file"]) + ": " + Cell(e) +
                           (e == 1 ? " error, " : " errors, ") + Cell(w) +
                           (w == 1 ? " warning" : " warnings"));
           for (const json& f : one["findings"]) {
             // The record behind the text: its wording's id and values the text is made of.
             for (const json& v : f["values"])
               EXPECT_NE(Cell(f["text"]).find(Cell(v)), std::string::npos) << f;
             lines.push_back(Cell(f["severity"]) + ": " + Cell(f["place"]) + ": " +
                             Cell(f["text"]));
           }
         }
         return lines;
       }},
      {"diff flash512k.bin bad.bin", [](const json& d) { return Texts(d, "changes"); }},
      {"satellites --tables tables",
       [](const json& d) { return Table(json::array({d}), "satellites"); }},
      {"--yes apply-order fewer.bin --from flash512k.bin -o o.bin --list",
       [](const json& d) { return Texts(d, "new_channels", "missing_channels"); }},
      {"--yes add-transponders flash512k.bin --tables tables --from Sat-13.0E -o o.bin",
       [](const json& d) {
         const json& row = d["notes"][0];
         return Lines{Cell(row["place"]) + ": " + Cell(row["text"]),
                      "Added 1 of " + Cell(d["rows"]) + " rows of Sat-13.0E as transponders " +
                          Cell(d["added"][0]["nr"]) + " to 41 (DiSEqC A)"};
       }},
  };
  const std::map<std::string, Lines> page = PageKeys();
  std::set<std::string> seen;
  for (const auto& [args, expect] : runs) {
    const Result text = Cmd(args);
    const Result document = Cmd("--json " + args);
    EXPECT_EQ(document.status, text.status) << args;
    ASSERT_TRUE(json::accept(document.out)) << args << document.out;
    Lines lines = Split(text.out);
    std::erase_if(lines, [](const std::string& l) {
      return l.starts_with("Nr\t") || l.starts_with("Satellite\t");
    });
    for (std::string& line : lines) line = line.substr(0, line.find(" ($"));  // blocks
    EXPECT_EQ(expect(json::parse(document.out)), lines) << args;
    std::string command = args.substr(args.starts_with("--yes ") ? 6 : 0);
    command.resize(command.find(' '));
    CheckKeys(page, command, "document of " + command, json::parse(document.out), seen);
  }
  // The documents of failures, and objects the runs above have none of.
  const std::string known = "[B]\nFREQUENCY = 11836000\nPOLARIZATION = H\nSYMBOL_RATE = 27500000\n";
  dir_.Write("tables/Mixed-1.0W", Read("tables/Sat-13.0E") + known);  // B is in the list
  for (const std::string args :
       {"diff flash512k.bin none.bin", "check bad.bin none.bin",
        "apply-order flash512k.bin --from fewer.bin -o n.bin",
        "add-transponders bad.bin --tables tables --from Mixed-1.0W -o m.bin",
        "add-transponders bad.bin --tables tables --from None -o m.bin"}) {
    const json document = json::parse(Cmd("--json --yes " + args).out);
    const bool failed = document.size() == 1 && document.contains("error");
    const std::string command = args.substr(0, args.find(' '));
    CheckKeys(page, command, "document of " + (failed ? "a failure" : command), document, seen);
  }
  EXPECT_EQ(seen.size(), page.size());  // every object the page lists was met
}

// Documents are written as they go, yet are dump(2)'s text to the byte: every control, quote
// and backslash, and record lists as ChannelJson and TransponderJson build the records.
TEST(JsonText, IsWhatDumpWrites) {
  std::string every = "\xC3\xA9";
  for (char c = 1; c > 0; ++c) every += c;
  const json document = {{"text", every},
                         {"quote", "say \"hi\""},
                         {"backslash", "a\\b"},
                         {"delete", "a\x7F"},
                         {"empty", json::array()},
                         {"none", json::object()},
                         {"nothing", nullptr},
                         {"yes", true},
                         {"less", -5},
                         {"deep", json::array({{{"a", 1}}, json::array({1, "b"})})}};
  std::ostringstream printed;
  PrintJson(printed, document);
  EXPECT_EQ(printed.str(), document.dump(2) + "\n");

  channels::ChannelRecord channel;
  std::string_view("a\"b\\\x01\xE9").copy(channel.name.data(), channel.name.size());
  const transponders::TransponderRecord transponder;
  std::ostringstream listed;
  JsonListPrinter list(listed, "images");
  list.Add({{"file", "x"}}, "channels", [&](JsonRecordList& records) {
    records.Add(channel);
    records.Add(channel);
  });
  list.Add({{"file", "y"}}, "transponders",
           [&](JsonRecordList& records) { records.Add(transponder, 3); });
  list.Add({{"file", "z"}}, "channels", [](JsonRecordList&) {});
  list.Finish();
  json used = TransponderJson(1, transponder);
  used["channels"] = 3;
  const json images =
      json::array({{{"file", "x"},
                    {"channels", json::array({ChannelJson(1, channel), ChannelJson(2, channel)})}},
                   {{"file", "y"}, {"transponders", json::array({used})}},
                   {{"file", "z"}, {"channels", json::array()}}});
  EXPECT_EQ(listed.str(), json({{"images", images}}).dump(2) + "\n");
}

}  // namespace
}  // namespace chanforge::cli
