// The system's font configuration, read on a second thread from the program's start: it
// takes about as long to read as the window takes to build, and Qt then finds it ready.
// Where Qt does not read it through fontconfig, nothing is done.
#pragma once

#include <thread>

namespace chanforge::ui {

class FontConfigurationReader {
 public:
  FontConfigurationReader();  // starts reading
  FontConfigurationReader(const FontConfigurationReader&) = delete;
  FontConfigurationReader& operator=(const FontConfigurationReader&) = delete;
  ~FontConfigurationReader() { Wait(); }
  // Returns once it is read; called before the first font is needed.
  void Wait() {
    if (thread_.joinable()) thread_.join();
  }

 private:
  std::thread thread_;
};

}  // namespace chanforge::ui
