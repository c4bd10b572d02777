// The read-only commands that take any number of images (check, blocks, channels,
// transponders, hexdump): one process for a drawer of dumps.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/console_frontend.h"
#include "cli/json_output.h"

namespace chanforge::cli {

// FLASH..., the images a read-only command goes through in turn.
CLI::Option* AddFlashes(CLI::App& command, std::vector<std::string>& flashes);

// FLASH... INDEX, for hexdump: the last word is the block index, as the line has always
// ended with one.
void AddFlashesIndex(CLI::App& command, std::vector<std::string>& flashes, int& index);

// What one image adds to a --json run: the members of its entry, which hold the file's name
// already, and a record list written as its last member as it goes (see JsonRecordList).
struct ImageEntry {
  Json json;
  std::string list_key;
  std::function<void(JsonRecordList&)> list;
};

// One image's part of a command: its exit status. Under --json it fills entry rather than
// printing.
using ImagePart = std::function<int(const std::string& flash, ImageEntry& entry)>;

enum class Heading {
  kFileName,  // "==> NAME <==" before each image's lines, as head(1) heads files
  kNone,      // the part says which image it is about itself
};

// Runs the part for each image, so that an image that cannot be read is told and the
// others go on; the worst status. A single image's text is the one the command always
// printed; under --json one document {"images": [...]} holds an entry per image. One that
// was passed over has the keys of unread (its lists empty, its counts null), so that a
// script's path through the others holds for it too, and "error".
int EachImage(ConsoleFrontend& ui, std::ostream& out, const std::vector<std::string>& flashes,
              Heading heading, const Json& unread, const ImagePart& part);

}  // namespace chanforge::cli
