// Runs the built chanforge-cli in a temporary folder and captures what it prints.
#pragma once

#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "editing/sample_image.h"
#include "support/builders.h"

namespace chanforge::cli {

using editing::MakeSampleImage;
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
  std::ptrdiff_t LineCount() const { return std::count(out.begin(), out.end(), '\n'); }
};

// Each test starts in a folder of its own that holds the sample image, flash512k.bin.
class Cli : public ::testing::Test {
 protected:
  Cli() { dir_.Write("flash512k.bin", MakeSampleImage()); }
#ifdef _WIN32
  // The program started straight (a cmd.exe between would double the starts under wine);
  // args as typed at a console, which quotes with double quotes only.
  Result Cmd(std::string args) {
    std::replace(args.begin(), args.end(), '\'', '"');
    const std::string out = dir_.Path(".stdout"), err = dir_.Path(".stderr");
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    const auto open = [&](const std::string& name, DWORD access, DWORD disposition) {
      return ::CreateFileW(Wide(name).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           &inherited, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdInput = open("NUL", GENERIC_READ, OPEN_EXISTING);
    start.hStdOutput = open(out, GENERIC_WRITE, CREATE_ALWAYS);
    start.hStdError = open(err, GENERIC_WRITE, CREATE_ALWAYS);
    // The wide call, so that UTF-8 arguments reach the program as typed at a console.
    std::wstring line = Wide("\"" + Program() + "\" " + args);
    PROCESS_INFORMATION process{};
    DWORD status = static_cast<DWORD>(-1);
    // Detached: a console host started for it would hold the output files open a while.
    // Under wine a start now and then fails while another test's program starts: try again.
    bool started = false;
    for (int attempt = 0; attempt < 3 && !started; ++attempt) {
      started = ::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS,
                                 nullptr, Wide(dir_.Path("")).c_str(), &start, &process);
      if (!started) ::Sleep(200);
    }
    if (started) {
      ::WaitForSingleObject(process.hProcess, INFINITE);
      ::GetExitCodeProcess(process.hProcess, &status);
      ::CloseHandle(process.hThread);
      ::CloseHandle(process.hProcess);
    }
    for (const HANDLE handle : {start.hStdInput, start.hStdOutput, start.hStdError})
      ::CloseHandle(handle);
    Result run{static_cast<int>(status), TextOf(TempDir::Read(out)), TextOf(TempDir::Read(err))};
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
  }
  static std::wstring Wide(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end())).wstring();
  }
  // The console streams are in text mode here: each line end arrives as CR LF.
  static std::string TextOf(std::string printed) {
    for (std::size_t at = printed.find("\r\n"); at != std::string::npos;
         at = printed.find("\r\n", at + 1)) {
      printed.erase(at, 1);
    }
    return printed;
  }
  // The program's full name, drive included, as the tests' own folder sees it.
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
  std::string Read(const std::string& name) { return TempDir::Read(dir_.Path(name)); }
  bool Exists(const std::string& name) { return std::filesystem::exists(dir_.Path(name)); }

  TempDir dir_;
};

// The sample's two lists and their texts, ready beside it.
class Robustness : public Cli {
 protected:
  void SetUp() override {
    ASSERT_EQ(Cmd("save-block flash512k.bin 0 TCS").status, 0);
    ASSERT_EQ(Cmd("save-block flash512k.bin 1 TPT").status, 0);
    ASSERT_EQ(Cmd("tcs2txt TCS TCS.txt").status, 0);
    ASSERT_EQ(Cmd("--yes tpt2txt TPT TPT.txt --declink").status, 0);
  }
};

}  // namespace chanforge::cli
