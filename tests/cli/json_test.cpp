// --json: every command's document read with nlohmann-json says what its text says, and
// the documents of random images always parse.
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <vector>

#include "cli_fixture.h"

namespace chanforge::cli {
namespace {

using json = nlohmann::ordered_json;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// A value as a text column shows it.
std::string Cell(const json& value) {
  return value.is_string() ? value.get<std::string>() : value.dump();
}

std::string Counted(const json& count, const std::string& what) {
  return count.dump() + " " + what + (count == 1 ? "" : "s");
}

// Each image's rows as the text prints them: a head line when there are several, then
// one line of tab-separated columns a record.
std::vector<std::string> Table(const json& document, const char* list, const char* head) {
  std::vector<std::string> lines;
  for (const json& image : document["images"]) {
    if (document["images"].size() > 1) {
      if (!lines.empty()) lines.push_back("");
      lines.push_back("==> " + image["file"].get<std::string>() + " <==");
    }
    if (*head) lines.push_back(head);
    for (const json& record : image.value(list, json::array())) {
      std::string line;
      for (const auto& [name, value] : record.items())
        line += (line.empty() ? "" : "\t") + Cell(value);
      if (std::string(list) == "blocks")
        line = "Block:" + Cell(record["index"]) + " " + Cell(record["name"]);
      lines.push_back(line);
    }
  }
  return lines;
}

TEST_F(Cli, EveryJsonDocumentSaysWhatTheTextSays) {
  std::string image = MakeSampleImage();
  Sample();
  image[0x44 + 17] = 0x7F;  // channel 1's TP points past the transponders
  dir_.Write("bad.bin", image);
  ASSERT_EQ(Cmd("remove-channels flash512k.bin 2-3 -o fewer.bin").status, 0);
  std::filesystem::create_directory(dir_.Path("tables"));
  dir_.Write("tables/Sat-13.0E",
             "[A]\nDELIVERY_SYSTEM = DVBS\nFREQUENCY = 11767000\nPOLARIZATION = V\n"
             "SYMBOL_RATE = 27500000\nINNER_FEC = 3/4\n[C]\nDELIVERY_SYSTEM = DVBS\n"
             "FREQUENCY = 12111000\nPOLARIZATION = V\nSYMBOL_RATE = 27500000\nINNER_FEC = AUTO\n");
  using Expect = std::vector<std::string> (*)(const json&);
  const std::pair<std::string, Expect> runs[] = {
      {"blocks flash512k.bin bad.bin",
       [](const json& d) {
         auto lines = Table(d, "blocks", "");
         for (auto& line : lines) line = line.substr(0, line.find(" ("));
         return lines;
       }},
      {"channels flash512k.bin", [](const json& d) { return Table(d, "channels", ""); }},
      {"transponders bad.bin fewer.bin",
       [](const json& d) { return Table(d, "transponders", ""); }},
      {"check flash512k.bin bad.bin",
       [](const json& d) {
         std::vector<std::string> lines;
         for (const json& one : d["images"]) {
           lines.push_back(Cell(one["file"]) + ": " + Counted(one["errors"], "error") + ", " +
                           Counted(one["warnings"], "warning"));
           for (const json& f : one["findings"]) {
             lines.push_back(Cell(f["severity"]) + ": " + Cell(f["place"]) + ": " +
                             Cell(f["text"]));
           }
         }
         return lines;
       }},
      {"diff flash512k.bin bad.bin",
       [](const json& d) {
         std::vector<std::string> lines;
         for (const json& change : d["changes"]) lines.push_back(Cell(change["text"]));
         return lines;
       }},
      {"satellites --tables tables",
       [](const json& d) {
         std::vector<std::string> lines{"Satellite\tPosition\tRows"};
         for (const json& s : d["satellites"]) {
           lines.push_back(Cell(s["name"]) + "\t" + Cell(s["position"]) + "\t" + Cell(s["rows"]));
         }
         return lines;
       }},
      {"apply-order fewer.bin --from flash512k.bin -o o.bin --list",
       [](const json& d) {
         std::vector<std::string> lines;
         for (const char* list : {"new_channels", "missing_channels"}) {
           for (const json& c : d[list]) lines.push_back(Cell(c["text"]));
         }
         return lines;
       }},
      {"add-transponders flash512k.bin --tables tables --from Sat-13.0E -o a.bin",
       [](const json& d) {
         std::vector<std::string> lines;
         for (const char* list : {"notes", "left_out"}) {
           for (const json& row : d[list]) {
             lines.push_back(Cell(row["place"]) + (*list == 'n' ? ": " : ", left out: ") +
                             Cell(row["text"]));
           }
         }
         lines.push_back("Added " + Cell(d["added"].size()) + " of " + Cell(d["rows"]) +
                         " rows of Sat-13.0E as transponders " + Cell(d["added"][0]["nr"]) +
                         " to " + Cell(d["added"].back()["nr"]) + " (DiSEqC A)");
         return lines;
       }},
  };
  for (const auto& [args, expect] : runs) {
    std::filesystem::remove(dir_.Path("o.bin"));
    std::filesystem::remove(dir_.Path("a.bin"));
    const Result text = Cmd(args);
    std::filesystem::remove(dir_.Path("o.bin"));
    std::filesystem::remove(dir_.Path("a.bin"));
    const Result document = Cmd("--json " + args);
    EXPECT_EQ(document.status, text.status) << args;
    ASSERT_TRUE(json::accept(document.out)) << args << document.out;
    std::vector<std::string> lines = Lines(text.out);
    if (args.rfind("transponders", 0) == 0 || args.rfind("channels", 0) == 0) {
      std::erase_if(lines, [](const std::string& l) { return l.rfind("Nr\t", 0) == 0; });
    }
    if (args.rfind("blocks", 0) == 0) {
      for (auto& line : lines) line = line.substr(0, line.find(" ("));
    }
    EXPECT_EQ(expect(json::parse(document.out)), lines) << args;
  }
  EXPECT_EQ(Cmd("--json make-sample x.bin").status, 2);
  EXPECT_FALSE(Exists("x.bin"));
}

// Random bytes in the lists and headers, names included, never break the document.
TEST_F(Cli, JsonOfRandomImagesAlwaysParses) {
  std::string names;
  for (unsigned seed = 0; seed < 12; ++seed) {
    std::mt19937 random(seed);
    std::string image = MakeSampleImage();
    for (int k = 0; k < 300; ++k) {
      const std::size_t at = random() % 4 == 0 ? random() % image.size() : random() % 0x10900;
      image[at] = static_cast<char>(random());
    }
    if (seed % 3 == 0) image.resize(random() % image.size());
    names += " r" + std::to_string(seed) + ".bin";
    dir_.Write("r" + std::to_string(seed) + ".bin", image);
  }
  for (const std::string command : {"check", "blocks", "channels", "transponders", "diff"}) {
    const std::string args = command == "diff" ? "diff r0.bin r1.bin" : command + names;
    const Result run = Cmd("--json " + args);
    ASSERT_TRUE(json::accept(run.out)) << args << run.out;
    if (command != "diff") {
      EXPECT_EQ(json::parse(run.out)["images"].size(), 12) << args;
    }
  }
}

}  // namespace
}  // namespace chanforge::cli
