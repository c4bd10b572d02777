// Runs the built chanforge-cli in a temporary folder and captures what it prints.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "cli/sample_image.h"
#include "support/builders.h"

namespace chanforge::cli {

using testing::TempDir;

struct Result {
  int status;
  std::string out;
  std::string err;
};

class Cli : public ::testing::Test {
 protected:
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
  std::string Sample() { return dir_.Write("flash512k.bin", MakeSampleImage()); }
  std::string Read(const std::string& name) { return TempDir::Read(dir_.Path(name)); }
  bool Exists(const std::string& name) { return std::filesystem::exists(dir_.Path(name)); }

  TempDir dir_;
};

}  // namespace chanforge::cli
