// The POSIX console: arguments arrive as the user's bytes, which are UTF-8.
#include <unistd.h>

#include <csignal>
#include <cstdlib>

#include "cli/terminal.h"
#include "common/file_access.h"

namespace chanforge::cli {

namespace {

volatile std::sig_atomic_t fault_status = 1;

extern "C" void OnBusError(int signal_number, siginfo_t* info, void*) {
  // A fault the system raised (si_code > 0), not a BUS signal another program sent.
  if (info->si_code > 0 && common::ReportMappedReadFault(info->si_addr)) {
    common::RemovePendingTemporaryFile();
    std::_Exit(fault_status);
  }
  // Not ours: the program ends as the signal says.
  std::signal(signal_number, SIG_DFL);
  std::raise(signal_number);
}

}  // namespace

void EndOnMappedReadFault(int status) {
  fault_status = status;
  struct sigaction action {};
  action.sa_sigaction = OnBusError;
  action.sa_flags = SA_SIGINFO;
  sigemptyset(&action.sa_mask);
  if (sigaction(SIGBUS, &action, nullptr) == 0) common::AllowMappedReads();
}

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

bool IsTerminal(std::FILE* stream) { return ::isatty(::fileno(stream)) != 0; }

}  // namespace chanforge::cli
