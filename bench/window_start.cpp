// window_start: how long a program takes to show its first window, as a whole process on
// this X server, side by side with another program in the same run.
//
//   window_start ROUNDS -- COMMAND_A [ARGS...] -- COMMAND_B [ARGS...]
//
// After one untimed round that warms the file cache for both, every round starts A, then
// B, one at a time. A start is timed from just before fork to the moment its window is
// visible; then the process gets SIGTERM and the next start waits until its window is
// gone. Prints the median of each, their peak memory, and the ratio A/B of the medians.
//
// Visible means painted, not only mapped: a top-level window whose _NET_WM_PID is the
// started process gets mapped (on the root, or inside a window manager's frame), and then
// the server reports drawing inside that window's area. The drawing is seen through a
// DAMAGE object on the root window, which reports every drawing on the screen; it exists
// before the process starts, so no early paint can slip by unseen. Qt creates its windows
// without a background, so the map alone draws nothing there: the first damage in the area
// is the program's own paint. The time to the map is printed beside it. On a compositing
// desktop the damage is the compositor's copy of the window, which is what a user sees.
// Only the process started is watched: a window it hands to another process is not seen.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
constexpr std::chrono::seconds kStartTimeout{10};
constexpr std::chrono::seconds kEndTimeout{5};
constexpr std::chrono::seconds kGoneTimeout{2};

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

template <typename T>
std::unique_ptr<T, void (*)(void*)> Own(T* reply) {
  return {reply, &std::free};
}

struct Command {
  std::vector<char*> argv;  // ends with nullptr, for execvp
  std::string Name() const { return argv[0]; }
};

struct Rect {
  int x, y, width, height;
  bool Overlaps(const xcb_rectangle_t& r) const {
    return r.x < x + width && x < r.x + r.width && r.y < y + height && y < r.y + r.height;
  }
};

// One started process. Ending it (or the destructor, when a start fails) sends SIGTERM,
// then SIGKILL if it lingers, and reaps it.
class Child {
 public:
  Child(const Command& command, int error_fd) {
    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    if (pid_ == 0) {
      int null_fd = open("/dev/null", O_RDWR);
      dup2(null_fd, 0);
      dup2(null_fd, 1);
      dup2(error_fd, 2);
      execvp(command.argv[0], command.argv.data());
      std::fprintf(stderr, "window_start: cannot run %s: %s\n", command.argv[0],
                   std::strerror(errno));
      _exit(127);
    }
  }
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;
  ~Child() {
    if (!reaped_) End();
  }

  pid_t pid() const { return pid_; }

  bool Exited() { return reaped_ || Reap(WNOHANG); }

  std::string Status() const {
    if (WIFEXITED(status_)) return "exit status " + std::to_string(WEXITSTATUS(status_));
    if (WIFSIGNALED(status_)) return "signal " + std::to_string(WTERMSIG(status_));
    return "status " + std::to_string(status_);
  }

  // Returns the peak resident memory of the process, in KB.
  long End() {
    if (!reaped_) {
      kill(pid_, SIGTERM);
      const auto deadline = Clock::now() + kEndTimeout;
      while (!Reap(WNOHANG) && Clock::now() < deadline) {
        std::this_thread::sleep_for(milliseconds(2));
      }
      if (!reaped_) {
        kill(pid_, SIGKILL);
        Reap(0);
      }
    }
    return usage_.ru_maxrss;
  }

 private:
  bool Reap(int options) {
    pid_t done;
    do {
      done = wait4(pid_, &status_, options, &usage_);
    } while (done < 0 && errno == EINTR);
    if (done == pid_ || (done < 0 && errno == ECHILD)) reaped_ = true;
    return reaped_;
  }

  pid_t pid_;
  bool reaped_ = false;
  int status_ = 0;
  rusage usage_{};
};

class Screen {
 public:
  Screen() {
    c_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c_)) {
      throw std::runtime_error("cannot open the X display (is DISPLAY set?)");
    }
    root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c_, &xcb_damage_id);
    if (damage == nullptr || !damage->present) {
      throw std::runtime_error("the X server has no DAMAGE extension");
    }
    damage_notify_ = static_cast<uint8_t>(damage->first_event + XCB_DAMAGE_NOTIFY);
    std::free(xcb_damage_query_version_reply(c_, xcb_damage_query_version(c_, 1, 1), nullptr));
    const char kPidName[] = "_NET_WM_PID";
    auto atom = Own(
        xcb_intern_atom_reply(c_, xcb_intern_atom(c_, 0, sizeof kPidName - 1, kPidName), nullptr));
    if (!atom) throw std::runtime_error("cannot look up _NET_WM_PID");
    net_wm_pid_ = atom->atom;

    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    auto error = Own(xcb_request_check(
        c_, xcb_change_window_attributes_checked(c_, root_, XCB_CW_EVENT_MASK, &mask)));
    if (error) throw std::runtime_error("cannot watch the root window");
    xcb_damage_create(c_, xcb_generate_id(c_), root_, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    xcb_flush(c_);
  }
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;
  ~Screen() { xcb_disconnect(c_); }

  // Measures one start of `command`: milliseconds to mapped and to visible, peak KB.
  struct Sample {
    double mapped_ms;
    double visible_ms;
    long peak_kb;
  };
  Sample TimeStart(const Command& command) {
    while (Next(Clock::now())) {
    }  // leftovers of the round before
    std::unique_ptr<FILE, int (*)(FILE*)> errors(std::tmpfile(), &std::fclose);
    if (!errors) throw std::runtime_error("cannot make a file for the command's errors");

    const Clock::time_point start = Clock::now();
    Child child(command, fileno(errors.get()));
    const Clock::time_point deadline = start + kStartTimeout;
    xcb_window_t top = XCB_NONE;  // the child of the root that holds the window
    Rect area{};
    Clock::time_point mapped_at;
    for (;;) {
      auto event = Next(std::min(deadline, Clock::now() + milliseconds(20)));
      const Clock::time_point now = Clock::now();
      if (!event && child.Exited()) {
        throw std::runtime_error(command.Name() + " ended (" + child.Status() +
                                 ") before its window was visible" + Read(errors.get()));
      }
      if (now >= deadline) {  // checked at every event too, for a busy desktop
        throw std::runtime_error("no visible window from " + command.Name() + " within " +
                                 std::to_string(kStartTimeout.count()) + " s" +
                                 (top == XCB_NONE ? " (none mapped)" : " (mapped, never drawn)") +
                                 Read(errors.get()));
      }
      if (!event) continue;
      const uint8_t type = event->response_type & 0x7f;
      if (type == XCB_MAP_NOTIFY && top == XCB_NONE) {
        auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
        if (map->override_redirect) continue;  // menus, tooltips, splash screens
        const xcb_window_t window = FindWindowOf(map->window, child.pid(), 3);
        if (window == XCB_NONE) continue;
        if (std::optional<Rect> r = RootArea(window)) {
          top = map->window;
          area = *r;
          mapped_at = now;
        }
      } else if (type == XCB_UNMAP_NOTIFY && top != XCB_NONE &&
                 reinterpret_cast<xcb_unmap_notify_event_t*>(event.get())->window == top) {
        top = XCB_NONE;  // taken off again before it was drawn: wait for the next map
      } else if (type == damage_notify_ && top != XCB_NONE &&
                 area.Overlaps(reinterpret_cast<xcb_damage_notify_event_t*>(event.get())->area)) {
        Sample sample{Ms(mapped_at - start), Ms(now - start), child.End()};
        WaitGone(top);
        return sample;
      }
    }
  }

 private:
  using Event = std::unique_ptr<xcb_generic_event_t, void (*)(void*)>;

  // The next event, or none once `until` has passed.
  Event Next(Clock::time_point until) {
    for (;;) {
      if (xcb_generic_event_t* event = xcb_poll_for_event(c_)) return Own(event);
      if (xcb_connection_has_error(c_)) throw std::runtime_error("lost the X connection");
      const auto left = std::chrono::ceil<milliseconds>(until - Clock::now()).count();
      if (left <= 0) return Own<xcb_generic_event_t>(nullptr);
      pollfd fd{xcb_get_file_descriptor(c_), POLLIN, 0};
      poll(&fd, 1, static_cast<int>(left));
    }
  }

  // After a start, waits until its window has left the screen, so that the next start
  // does not share the server with its teardown.
  void WaitGone(xcb_window_t top) {
    const Clock::time_point deadline = Clock::now() + kGoneTimeout;
    while (Clock::now() < deadline) {
      Event event = Next(deadline);
      if (!event) return;
      const uint8_t type = event->response_type & 0x7f;
      if ((type == XCB_UNMAP_NOTIFY &&
           reinterpret_cast<xcb_unmap_notify_event_t*>(event.get())->window == top) ||
          (type == XCB_DESTROY_NOTIFY &&
           reinterpret_cast<xcb_destroy_notify_event_t*>(event.get())->window == top)) {
        return;
      }
    }
  }

  std::optional<uint32_t> PidOf(xcb_window_t window) {
    auto reply = Own(xcb_get_property_reply(
        c_, xcb_get_property(c_, 0, window, net_wm_pid_, XCB_ATOM_CARDINAL, 0, 1), nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4) {
      return std::nullopt;
    }
    uint32_t pid;
    std::memcpy(&pid, xcb_get_property_value(reply.get()), sizeof pid);
    return pid;
  }

  // The window of process `pid` at or under `window`: a window manager puts a program's
  // window into a frame of its own, a level or two down.
  xcb_window_t FindWindowOf(xcb_window_t window, pid_t pid, int depth) {
    if (PidOf(window) == static_cast<uint32_t>(pid)) return window;
    if (depth == 0) return XCB_NONE;
    auto tree = Own(xcb_query_tree_reply(c_, xcb_query_tree(c_, window), nullptr));
    if (!tree) return XCB_NONE;  // gone meanwhile
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
      const xcb_window_t found = FindWindowOf(children[i], pid, depth - 1);
      if (found != XCB_NONE) return found;
    }
    return XCB_NONE;
  }

  // Where `window` lies on the screen. Taken once, at the map: the first paint follows it
  // at once, and a later move or resize still overlaps the place it had.
  std::optional<Rect> RootArea(xcb_window_t window) {
    auto geometry = Own(xcb_get_geometry_reply(c_, xcb_get_geometry(c_, window), nullptr));
    auto place = Own(xcb_translate_coordinates_reply(
        c_, xcb_translate_coordinates(c_, window, root_, 0, 0), nullptr));
    if (!geometry || !place) return std::nullopt;
    return Rect{place->dst_x, place->dst_y, geometry->width, geometry->height};
  }

  static std::string Read(FILE* file) {
    std::string text = "\n";
    std::rewind(file);
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
    return text.size() > 1 ? text : std::string();
  }

  xcb_connection_t* c_;
  xcb_window_t root_;
  xcb_atom_t net_wm_pid_;
  uint8_t damage_notify_;
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int Usage() {
  std::fprintf(stderr,
               "usage: window_start ROUNDS -- COMMAND_A [ARGS...] -- COMMAND_B [ARGS...]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 6 || std::strcmp(argv[2], "--") != 0) return Usage();
  char* end = nullptr;
  const long rounds = std::strtol(argv[1], &end, 10);
  if (*end != '\0' || rounds < 1 || rounds > 1000) return Usage();
  Command commands[2];
  int which = 0;
  for (int i = 3; i < argc; ++i) {
    if (which == 0 && std::strcmp(argv[i], "--") == 0) {
      which = 1;
    } else {
      commands[which].argv.push_back(argv[i]);
    }
  }
  if (which == 0 || commands[0].argv.empty() || commands[1].argv.empty()) return Usage();
  for (Command& command : commands) command.argv.push_back(nullptr);

  try {
    Screen screen;
    for (const Command& command : commands) screen.TimeStart(command);  // warms the caches
    std::vector<Screen::Sample> samples[2];
    for (long round = 0; round < rounds; ++round) {
      for (int k = 0; k < 2; ++k) samples[k].push_back(screen.TimeStart(commands[k]));
    }
    double medians[2];
    for (int k = 0; k < 2; ++k) {
      std::vector<double> visible, mapped, peak;
      for (const Screen::Sample& s : samples[k]) {
        visible.push_back(s.visible_ms);
        mapped.push_back(s.mapped_ms);
        peak.push_back(static_cast<double>(s.peak_kb));
      }
      medians[k] = Median(visible);
      std::printf("%c: visible %.1f ms (mapped %.1f ms), peak %.1f MB: %s\n", 'A' + k, medians[k],
                  Median(mapped), Median(peak) / 1024, commands[k].Name().c_str());
      std::printf("   each round, ms to visible:");
      for (double v : visible) std::printf(" %.0f", v);
      std::printf("\n");
    }
    std::printf("A/B time ratio %.2f\n", medians[0] / medians[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "window_start: %s\n", e.what());
    return 1;
  }
  return 0;
}
