// Runs the built chanforge-cli in a temporary folder and captures what it prints.
#pragma once

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "cli/sample_image.h"
#include "support/builders.h"

namespace chanforge::cli {

using testing::TempDir;

#ifdef _WIN32
inline constexpr char kNullDevice[] = "NUL";
#else
inline constexpr char kNullDevice[] = "/dev/null";
#endif

struct Result {
  int status;
  std::string out;
  std::string err;
};

class Cli : public ::testing::Test {
 protected:
#ifdef _WIN32
  // args go to cmd.exe, which quotes with double quotes only.
  Result Cmd(std::string args) {
    std::replace(args.begin(), args.end(), '\'', '"');
    const std::string out = dir_.Path(".stdout"), err = dir_.Path(".stderr");
    // cmd.exe drops the outermost quotes of the whole line.
    const std::string command = "\"cd /d \"" + dir_.Path("") + "\" && \"" + Program() + "\" " +
                                args + " >\"" + out + "\" 2>\"" + err + "\" <NUL\"";
    // The wide call, so that UTF-8 arguments reach the program as typed at a console.
    const std::wstring wide =
        std::filesystem::path(std::u8string(command.begin(), command.end())).wstring();
    Result run{::_wsystem(wide.c_str()), TextOf(TempDir::Read(out)), TextOf(TempDir::Read(err))};
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
  }
  // The console streams are in text mode here: each line end arrives as CR LF.
  static std::string TextOf(std::string printed) {
    for (std::size_t at = printed.find("\r\n"); at != std::string::npos;
         at = printed.find("\r\n", at + 1)) {
      printed.erase(at, 1);
    }
    return printed;
  }
  // The program's full name, drive included, taken before any change of folder.
  static const std::string& Program() {
    static const std::string program = std::filesystem::absolute(CHANFORGE_CLI).string();
    return program;
  }
#else
  // args go to a shell; prefix runs before the program (for example a ulimit).
  Result Cmd(const std::string& args, const std::string& prefix = "") {
    const std::string out = dir_.Path(".stdout"), err = dir_.Path(".stderr");
    const std::string command = "cd '" + dir_.Path("") + "' && " + prefix +
                                " '" CHANFORGE_CLI "' " + args + " >'" + out + "' 2>'" + err +
                                "' </dev/null";
    const int raw = std::system(command.c_str());
    Result run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, TempDir::Read(out), TempDir::Read(err)};
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
  }
  // Runs a shell script in the folder with $CLI naming the program; its exit status.
  int Shell(const std::string& script) {
    const std::string command = "cd '" + dir_.Path("") + "' && CLI='" CHANFORGE_CLI "' sh -c '" +
                                script + "' >/dev/null 2>&1 </dev/null";
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
#endif
  std::string Sample() { return dir_.Write("flash512k.bin", MakeSampleImage()); }
  std::string Read(const std::string& name) { return TempDir::Read(dir_.Path(name)); }
  bool Exists(const std::string& name) { return std::filesystem::exists(dir_.Path(name)); }

  TempDir dir_;
};

}  // namespace chanforge::cli
