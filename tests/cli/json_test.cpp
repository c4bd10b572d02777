// --json: every command's document read with nlohmann-json says what its text says, and
// the documents of random images always parse.
#include <nlohmann/json.hpp>
#include <random>

#include "cli_fixture.h"

namespace chanforge::cli {
namespace {

using json = nlohmann::ordered_json;
using Lines = std::vector<std::string>;

Lines Split(const std::string& text) {
  Lines lines;
  for (std::size_t at = 0; at < text.size(); at = text.find('\n', at) + 1) {
    lines.push_back(text.substr(at, text.find('\n', at) - at));
  }
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
Lines Texts(const json& document, std::initializer_list<const char*> lists) {
  Lines lines;
  for (const char* list : lists) {
    for (const json& item : document[list]) lines.push_back(Cell(item["text"]));
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
             "SYMBOL_RATE = 27500000\nINNER_FEC = 3/4\n");
  const std::pair<std::string, std::function<Lines(const json&)>> runs[] = {
      {"blocks flash512k.bin bad.bin", [](const json& d) { return Table(d["images"], "blocks"); }},
      {"channels flash512k.bin", [](const json& d) { return Table(d["images"], "channels"); }},
      {"transponders bad.bin fewer.bin",
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
             EXPECT_TRUE(f["id"].is_string()) << f;
             for (const json& v : f["values"]) {
               EXPECT_NE(Cell(f["text"]).find(Cell(v)), std::string::npos) << f;
             }
             lines.push_back(Cell(f["severity"]) + ": " + Cell(f["place"]) + ": " +
                             Cell(f["text"]));
           }
         }
         return lines;
       }},
      {"diff flash512k.bin bad.bin", [](const json& d) { return Texts(d, {"changes"}); }},
      {"satellites --tables tables",
       [](const json& d) { return Table(json::array({d}), "satellites"); }},
      {"--yes apply-order fewer.bin --from flash512k.bin -o o.bin --list",
       [](const json& d) {
         return Texts(d, {"new_channels", "missing_channels"});
       }},
      {"--yes add-transponders flash512k.bin --tables tables --from Sat-13.0E -o o.bin",
       [](const json& d) {
         const json& row = d["notes"][0];
         return Lines{Cell(row["place"]) + ": " + Cell(row["text"]),
                      "Added 1 of " + Cell(d["rows"]) + " rows of Sat-13.0E as transponders " +
                          Cell(d["added"][0]["nr"]) + " to 41 (DiSEqC A)"};
       }},
  };
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
  }
}

// Random bytes in the lists and headers, names included, never break the document.
TEST_F(Cli, JsonOfRandomImagesAlwaysParses) {
  std::mt19937 random(7);
  std::string names;
  for (int n = 0; n < 12; ++n) {
    std::string image = MakeSampleImage();
    for (int k = 0; k < 300; ++k)
      image[random() % (k % 4 ? 0x10900 : image.size())] = static_cast<char>(random());
    if (n % 3 == 0) image.resize(random() % image.size());
    names += " r" + std::to_string(n) + ".bin";
    dir_.Write("r" + std::to_string(n) + ".bin", image);
  }
  for (const std::string command : {"check", "blocks", "channels", "transponders", "diff"}) {
    const Result run =
        Cmd("--json " + (command == "diff" ? "diff r0.bin r1.bin" : command + names));
    ASSERT_TRUE(json::accept(run.out)) << command << run.out;
    EXPECT_EQ(json::parse(run.out).value("images", json::array({0})).size(),
              command == "diff" ? 1 : 12);
  }
}

}  // namespace
}  // namespace chanforge::cli
