// The POSIX console: arguments arrive as the user's bytes, which are UTF-8.
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <streambuf>
#include <system_error>

#include "cli/terminal.h"
#include "common/file_access.h"

namespace chanforge::cli {

namespace {

volatile std::sig_atomic_t fault_status = 1;

// Standard output through write(2): the first failure's errno is kept, and every write after
// it fails too, so that the stream stays failed as a stream's own buffer would.
class DescriptorBuffer : public std::streambuf {
 public:
  DescriptorBuffer() { setp(buffer_, buffer_ + sizeof buffer_); }
  std::optional<OutputFailure> failure() const {
    if (error_ == 0) return std::nullopt;
    return OutputFailure{std::generic_category().message(error_), error_ == EPIPE};
  }

 protected:
  int_type overflow(int_type c) override {
    if (!Drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
  }
  int sync() override { return Drain() ? 0 : -1; }

 private:
  bool Drain() {
    const char* at = pbase();
    while (error_ == 0 && at < pptr()) {
      const ssize_t written = ::write(STDOUT_FILENO, at, static_cast<std::size_t>(pptr() - at));
      if (written >= 0) at += written;
      if (written < 0 && errno != EINTR) error_ = errno;
    }
    setp(buffer_, buffer_ + sizeof buffer_);
    return error_ == 0;
  }

  char buffer_[4096];  // as the C library buffers a pipe
  int error_ = 0;
};

DescriptorBuffer* output_buffer = nullptr;

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

void KeepOutputFailures() {
  // A terminal keeps its line buffering, which shows each line as it comes; it has no reader
  // that goes away and no disk that fills.
  if (::isatty(STDOUT_FILENO) != 0) return;
  // Never freed: the stream is flushed at exit, after every other object is gone.
  if (!output_buffer) output_buffer = new DescriptorBuffer;
  std::cout.rdbuf(output_buffer);
}

std::optional<OutputFailure> FirstOutputFailure() {
  return output_buffer ? output_buffer->failure() : std::nullopt;
}

}  // namespace chanforge::cli
