#include "common/file_access.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace chanforge::common {
namespace {

fs::path ToPath(const std::string& name) {
  // Names are UTF-8 everywhere in the program.
  return fs::path(std::u8string(name.begin(), name.end()));
}

// Follows a chain of symbolic links to the file that a write must replace, so
// that the link itself stays in place.
fs::path ResolveLinks(fs::path path) {
  std::error_code ec;
  for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(path, ec)); ++hops) {
    fs::path next = fs::read_symlink(path, ec);
    if (ec) break;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return path;
}

std::string ErrnoText(int error) { return std::strerror(error); }

}  // namespace

bool FileExists(const std::string& name) {
  if (name.empty()) return false;
  std::error_code ec;
  const fs::file_status status = fs::status(ToPath(name), ec);
  if (ec) return false;
  return fs::is_regular_file(status) || fs::is_directory(status);
}

bool SameFile(const std::string& first, const std::string& second) {
  std::error_code ec;
  const bool same = fs::equivalent(ToPath(first), ToPath(second), ec);
  return !ec && same;
}

ReadResult ReadWholeFile(const std::string& name) {
  ReadResult result;
  std::error_code ec;
  const fs::path path = ToPath(name);
  if (fs::is_directory(path, ec)) {
    result.error = "it is a folder";
    return result;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    result.error = ErrnoText(errno);
    return result;
  }
  // One read of the whole length; a stream whose length is unknown is read in pieces.
  in.seekg(0, std::ios::end);
  const std::streamoff length = in.tellg();
  in.seekg(0, std::ios::beg);
  if (length > 0) {
    result.bytes.resize(static_cast<std::size_t>(length));
    in.read(result.bytes.data(), length);
    if (in.gcount() != length) in.setstate(std::ios::badbit);
  } else {
    in.clear();
    result.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  if (in.bad()) {
    result.error = "read error";
    result.bytes.clear();
    return result;
  }
  result.ok = true;
  return result;
}

#ifndef _WIN32

namespace {

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return static_cast<mode_t>(0666 & ~mask);
}

bool WriteAll(int fd, std::string_view bytes, int& error) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      error = errno;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

WriteResult WriteFileSafely(const std::string& name, std::string_view bytes) {
  WriteResult result;
  if (name.empty()) {
    result.error = "no file name";
    return result;
  }
  const fs::path target = ResolveLinks(ToPath(name));
  std::error_code ec;
  if (fs::is_directory(target, ec)) {
    result.error = "it is a folder";
    return result;
  }
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string temp_leaf(1, '.');
  temp_leaf.append(target.filename().string()).append(".XXXXXX");
  std::string temp_name = (folder / temp_leaf).string();

  const int fd = ::mkstemp(temp_name.data());
  if (fd < 0) {
    result.error = ErrnoText(errno);
    return result;
  }
  struct stat old_stat {};
  const mode_t mode = ::stat(target.c_str(), &old_stat) == 0
                          ? static_cast<mode_t>(old_stat.st_mode & 07777)
                          : NewFileMode();
  int error = 0;
  bool ok = ::fchmod(fd, mode) == 0 || (error = errno, false);
  // Reserving the space first finds a full disk before any byte is written and spares
  // the file system from growing the file piece by piece.
  if (ok && !bytes.empty()) {
    const int reserved = ::posix_fallocate(fd, 0, static_cast<off_t>(bytes.size()));
    if (reserved == ENOSPC || reserved == EFBIG) {
      error = reserved;
      ok = false;
    }
  }
  ok = ok && WriteAll(fd, bytes, error);
  ok = ok && (::fsync(fd) == 0 || (error = errno, false));
  if (::close(fd) != 0 && ok) {
    error = errno;
    ok = false;
  }
  ok = ok && (::rename(temp_name.c_str(), target.c_str()) == 0 || (error = errno, false));
  if (!ok) {
    ::unlink(temp_name.c_str());
    result.error = ErrnoText(error);
    return result;
  }
  // Make the rename itself durable; a failure here no longer endangers any data.
  const int dir_fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir_fd >= 0) {
    ::fsync(dir_fd);
    ::close(dir_fd);
  }
  result.ok = true;
  return result;
}

#else

WriteResult WriteFileSafely(const std::string& name, std::string_view bytes) {
  WriteResult result;
  const fs::path target = ResolveLinks(ToPath(name));
  std::error_code ec;
  if (name.empty() || fs::is_directory(target, ec)) {
    result.error = "not a file name";
    return result;
  }
  fs::path temp = target;
  temp += ".chanforge-tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      fs::remove(temp, ec);
      result.error = "write error";
      return result;
    }
  }
  // std::filesystem::rename replaces an existing target on Windows (MoveFileExW).
  fs::rename(temp, target, ec);
  if (ec) {
    fs::remove(temp, ec);
    result.error = ec.message();
    return result;
  }
  result.ok = true;
  return result;
}

#endif

}  // namespace chanforge::common
