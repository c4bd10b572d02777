// A whole text-to-binary conversion on arbitrary text, through real files.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "channels/channel_conversions.h"
#include "silent_frontend.h"
#include "transponders/transponder_conversions.h"

namespace {

const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    auto path =
        std::filesystem::temp_directory_path() / ("chanforge-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    return path;
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace chanforge;
  const std::string text = (Folder() / "in.txt").string();
  const std::string tcs = (Folder() / "tcs.bin").string();
  const std::string tpt = (Folder() / "tpt.bin").string();
  {
    std::ofstream out(text, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  testing::SilentFrontend ui;
  if (channels::ConvertTextToTcs(ui, tcs, text) == common::Outcome::kDone &&
      std::filesystem::file_size(tcs) % 30 != 0) {
    std::abort();
  }
  if (transponders::ConvertTextToTpt(ui, tpt, text, false) == common::Outcome::kDone &&
      std::filesystem::file_size(tpt) < 2040) {
    std::abort();
  }
  return 0;
}
