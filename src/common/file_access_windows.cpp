// The Windows side of the file access: reading, stamps, the safe replacement and the image
// lock.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// After windows.h, which it needs.
#include <aclapi.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cwchar>
#include <random>

#include "common/file_access.h"
#include "common/file_access_platform.h"

#ifndef ERROR_DIRECTORY_NOT_SUPPORTED
#define ERROR_DIRECTORY_NOT_SUPPORTED 336L
#endif

namespace fs = std::filesystem;

namespace chanforge::common {

namespace {

// Names are UTF-8 in the program and UTF-16 for the system. Bytes that are not UTF-8 give
// an empty name, which no call accepts.
std::wstring WideOf(const std::string& utf8) {
  if (utf8.empty() || utf8.find('\0') != std::string::npos) return {};
  const int length = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                           static_cast<int>(utf8.size()), nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                        wide.data(), length);
  return wide;
}

std::string Utf8Of(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string utf8(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length,
                        nullptr, nullptr);
  return utf8;
}

constexpr auto kSystemError = Wording("file.reason.system-error", "system error {1}");
constexpr auto kLostAcl = Wording("file.notice.lost-acl", "lost its access control list ({1})");

// The system's own words for an error code, without the closing full stop and line break,
// so that they read like the POSIX reasons inside a longer message.
Message ReasonOf(DWORD code) {
  // The two refusals of our own, in the words that the reads use.
  if (code == ERROR_DIRECTORY_NOT_SUPPORTED) return Say(kFolderError);
  if (code == ERROR_BAD_FILE_TYPE) return Say(kNotRegularError);
  wchar_t* buffer = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text = length > 0 && buffer != nullptr ? std::wstring(buffer, length) : L"";
  if (buffer != nullptr) ::LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ' ||
                           text.back() == L'.')) {
    text.pop_back();
  }
  if (text.empty()) return Say(kSystemError, {Value(code)});
  return Value(Utf8Of(text));
}

HANDLE HandleOf(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// The temporary file of the write in progress, for a console control handler to remove.
// That handler runs on a thread of its own while the writer may still hold the file open,
// and an open file cannot be deleted here: whoever takes pending_owner closes the handle.
wchar_t pending_temporary[MAX_PATH * 4];
std::atomic<HANDLE> pending_handle{INVALID_HANDLE_VALUE};
std::atomic<const SafeWriter*> pending_owner{nullptr};
std::atomic<bool> pending_closed_by_handler{false};

void SetPending(const SafeWriter* owner, const std::wstring& name, HANDLE handle) {
  pending_owner = nullptr;
  if (name.size() >= std::size(pending_temporary)) return;
  std::wmemcpy(pending_temporary, name.c_str(), name.size() + 1);
  pending_handle = handle;
  pending_closed_by_handler = false;
  pending_owner = owner;
}

// Gives the handle back to its writer. False when the handler closed it already.
bool TakeBackPending(const SafeWriter* owner) {
  const SafeWriter* expected = owner;
  if (!pending_owner.compare_exchange_strong(expected, nullptr)) return true;
  return !pending_closed_by_handler.exchange(false);
}

// A short name of its own beside the target, so that any legal target name leaves room.
std::wstring TemporaryNameIn(const fs::path& folder) {
  thread_local std::mt19937_64 random(std::random_device{}() ^ ::GetCurrentProcessId() ^
                                      ::GetTickCount64());
  static constexpr wchar_t kDigits[] = L"abcdefghijklmnopqrstuvwxyz012345";
  std::wstring suffix;
  std::uint64_t bits = random();
  for (int i = 0; i < 8; ++i, bits >>= 5) suffix += kDigits[bits & 31];
  return (folder / (L".chanforge-" + suffix)).wstring();
}

struct Identity {
  bool ok = false;
  BY_HANDLE_FILE_INFORMATION info{};
};

Identity IdentityOf(const std::wstring& name) {
  Identity identity;
  if (name.empty()) return identity;
  // No access rights asked and every sharing allowed: a look that disturbs no one.
  // FILE_FLAG_BACKUP_SEMANTICS lets folders be opened too.
  const HANDLE file =
      ::CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return identity;
  identity.ok = ::GetFileInformationByHandle(file, &identity.info) != 0;
  ::CloseHandle(file);
  return identity;
}

// Gives the new file the old one's access control list: its own entries, and whether it
// takes those of its folder. False, with the system's error, when that fails.
bool CopyAccessControl(const std::wstring& from, HANDLE to) {
  PACL acl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  DWORD status = ::GetNamedSecurityInfoW(from.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                                         nullptr, nullptr, &acl, nullptr, &descriptor);
  if (status == ERROR_SUCCESS) {
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    const bool isolated = ::GetSecurityDescriptorControl(descriptor, &control, &revision) &&
                          (control & SE_DACL_PROTECTED) != 0;
    status = ::SetSecurityInfo(
        to, SE_FILE_OBJECT,
        DACL_SECURITY_INFORMATION | (isolated ? PROTECTED_DACL_SECURITY_INFORMATION
                                              : UNPROTECTED_DACL_SECURITY_INFORMATION),
        nullptr, nullptr, acl, nullptr);
    ::LocalFree(descriptor);
  }
  ::SetLastError(status);
  return status == ERROR_SUCCESS;
}

}  // namespace

bool IsDevice(const fs::path& path) {
  // NUL, CON, COM1 and their kind exist in every folder without a directory entry, so a
  // status reports them missing. The system spells their full name as \\.\NAME.
  wchar_t full[64];
  const DWORD length = ::GetFullPathNameW(path.c_str(), std::size(full), full, nullptr);
  if (length > 4 && length < std::size(full) && std::wcsncmp(full, L"\\\\.\\", 4) == 0) {
    return true;
  }
  // Anything else that opens is a device unless it is a disk file.
  const HANDLE file =
      ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const DWORD type = ::GetFileType(file);
  ::CloseHandle(file);
  return type != FILE_TYPE_DISK;
}

void PrepareForWriting(char*, std::size_t) {}

// Not mapped here: a file another program cuts short would need structured exception
// handling around every read.
std::shared_ptr<const MappedFile> SystemFiles::Map(const std::string&, std::int64_t) {
  return nullptr;
}
bool ReportMappedReadFault(const void*) noexcept { return false; }
void AllowMappedReads() noexcept {}

void RemovePendingTemporaryFile() noexcept {
  const SafeWriter* owner = pending_owner.exchange(nullptr);
  if (owner == nullptr) return;
  ::CloseHandle(pending_handle.exchange(INVALID_HANDLE_VALUE));
  pending_closed_by_handler = true;
  pending_owner = owner;  // the writer learns that its handle is gone
  ::DeleteFileW(pending_temporary);
}

FileReader::~FileReader() { Close(); }

void FileReader::Close() {
  if (handle_ != -1) ::CloseHandle(HandleOf(handle_));
  handle_ = -1;
}

Status FileReader::Open(const std::string& name, std::int64_t ceiling) {
  Close();
  ceiling_ = ceiling;
  total_ = 0;
  const std::wstring wide = WideOf(name);
  if (wide.empty()) {
    return ReasonOf(name.empty() ? ERROR_FILE_NOT_FOUND : ERROR_INVALID_NAME);
  }
  // Folders open too (FILE_FLAG_BACKUP_SEMANTICS), to be told apart by what was opened.
  const HANDLE file = ::CreateFileW(
      wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    // A system that will not open a folder so still says what it is.
    const DWORD code = ::GetLastError();
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    const bool folder =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return ReasonOf(folder ? ERROR_DIRECTORY_NOT_SUPPORTED : code);
  }
  // A pipe, console or serial port could keep a read waiting: only disk files are read.
  BY_HANDLE_FILE_INFORMATION info{};
  const bool disk = ::GetFileType(file) == FILE_TYPE_DISK;
  const bool folder = disk && ::GetFileInformationByHandle(file, &info) != 0 &&
                      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  if (!disk || folder) {
    ::CloseHandle(file);
    return ReasonOf(folder ? ERROR_DIRECTORY_NOT_SUPPORTED : ERROR_BAD_FILE_TYPE);
  }
  handle_ = reinterpret_cast<std::intptr_t>(file);
  return {};
}

bool FileReader::Read(std::size_t count, std::string& out) {
  if (handle_ == -1) return false;
  const std::size_t at = out.size();
  out.resize(at + count);
  std::size_t done = 0;
  bool failed = false;
  while (done < count) {
    const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(count - done, 1u << 30));
    DWORD read = 0;
    failed = !::ReadFile(HandleOf(handle_), out.data() + at + done, piece, &read, nullptr);
    if (failed || read == 0) break;
    done += read;
  }
  out.resize(at + done);
  total_ += static_cast<std::int64_t>(done);
  return !failed && !too_large();
}

FileStamp SystemFiles::StampOf(const std::string& name) {
  const Identity identity = IdentityOf(WideOf(name));
  if (!identity.ok) return {};
  const BY_HANDLE_FILE_INFORMATION& info = identity.info;
  const auto join = [](DWORD high, DWORD low) {
    return (static_cast<std::uint64_t>(high) << 32) | low;
  };
  // FILETIME counts 100 ns steps.
  const std::uint64_t written =
      join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime);
  return {static_cast<std::int64_t>(join(info.nFileSizeHigh, info.nFileSizeLow)),
          static_cast<std::int64_t>(written * 100), join(info.nFileIndexHigh, info.nFileIndexLow),
          info.dwVolumeSerialNumber};
}

SafeWriter::~SafeWriter() { Discard(); }

bool SafeWriter::Fail(int code) { return Fail(ReasonOf(static_cast<DWORD>(code))); }

void SafeWriter::Discard() {
  if (handle_ != -1 && TakeBackPending(this)) ::CloseHandle(HandleOf(handle_));
  handle_ = -1;
  if (!temp_.empty()) {
    if (!::DeleteFileW(WideOf(temp_).c_str()) && ::GetLastError() != ERROR_FILE_NOT_FOUND) {
      left_behind_ = temp_;
    }
    temp_.clear();
  }
}

bool SafeWriter::Open(const std::string& name) {
  Discard();
  notice_ = {};
  left_behind_.clear();
  const std::wstring wide = WideOf(name);
  if (wide.empty()) return Fail(name.empty() ? ERROR_PATH_NOT_FOUND : ERROR_INVALID_NAME);
  const EntryKind kind = KindOfName(name);
  if (kind == EntryKind::kFolder) return Fail(ERROR_DIRECTORY_NOT_SUPPORTED);
  // A device must never become a regular file behind the user's back.
  if (kind == EntryKind::kOther) return Fail(ERROR_BAD_FILE_TYPE);
  const fs::path target = ResolveLinks(fs::path(wide));
  // Replacing would fail at the very end for a read-only file: say so before writing.
  const DWORD attributes = ::GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    return Fail(Say(kReadOnlyError));
  }
  const Identity old = IdentityOf(target.wstring());
  if (old.ok && old.info.nNumberOfLinks > 1) AddNotice(OtherNamesNotice(old.info.nNumberOfLinks));
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::wstring temp = TemporaryNameIn(folder);
    const HANDLE file = ::CreateFileW(temp.c_str(), GENERIC_WRITE | WRITE_DAC, 0, nullptr,
                                      CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      const DWORD code = ::GetLastError();
      if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS) continue;
      return Fail(static_cast<int>(code));
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    temp_ = Utf8Of(temp);
    target_ = Utf8Of(target.wstring());
    SetPending(this, temp, file);
    if (old.ok && !CopyAccessControl(target.wstring(), file)) {
      AddNotice(Say(kLostAcl, {ReasonOf(::GetLastError())}));
    }
    return true;
  }
  return Fail(ERROR_FILE_EXISTS);
}

bool SafeWriter::Write(std::string_view bytes) {
  if (handle_ == -1) return false;
  while (!bytes.empty()) {
    const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!::WriteFile(HandleOf(handle_), bytes.data(), piece, &written, nullptr)) {
      return Fail(static_cast<int>(::GetLastError()));
    }
    bytes.remove_prefix(written);
  }
  return true;
}

bool SafeWriter::Commit() {
  if (handle_ == -1) return false;
  const HANDLE file = HandleOf(handle_);
  if (!::FlushFileBuffers(file)) return Fail(static_cast<int>(::GetLastError()));
  const bool ours = TakeBackPending(this);
  handle_ = -1;
  if (!ours) return Fail(ERROR_OPERATION_ABORTED);
  if (!::CloseHandle(file)) return Fail(static_cast<int>(::GetLastError()));
  // A locked or read-only target makes this fail, and then the old file stays as it was.
  if (!::MoveFileExW(WideOf(temp_).c_str(), WideOf(target_).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return Fail(static_cast<int>(::GetLastError()));
  }
  temp_.clear();
  NoteCommitted(target_);
  return true;
}

FileLock::~FileLock() {
  if (handle_ == -1) return;
  ::ReleaseMutex(HandleOf(handle_));
  ::CloseHandle(HandleOf(handle_));
}

// Windows refuses to replace a file that any handle holds open, and its byte-range locks
// bar other handles from reading the bytes. So the lock is a named mutex that stands for
// the file's identity (volume and file index) rather than a lock on the file itself. The
// mutex is released when a holder ends without releasing it.
bool FileLock::Lock(const std::string& name) {
  const std::wstring wide = WideOf(name);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const Identity before = IdentityOf(wide);
    if (!before.ok || (before.info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return false;
    wchar_t mutex_name[96];
    std::swprintf(mutex_name, std::size(mutex_name), L"Local\\chanforge-lock-%08lx-%08lx%08lx",
                  before.info.dwVolumeSerialNumber, before.info.nFileIndexHigh,
                  before.info.nFileIndexLow);
    const HANDLE mutex = ::CreateMutexW(nullptr, FALSE, mutex_name);
    if (mutex == nullptr) return false;
    const DWORD waited = ::WaitForSingleObject(mutex, INFINITE);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
      ::CloseHandle(mutex);
      return false;
    }
    // The holder before us may have replaced the file: lock the one the name names now.
    const Identity now = IdentityOf(wide);
    if (now.ok && now.info.dwVolumeSerialNumber == before.info.dwVolumeSerialNumber &&
        now.info.nFileIndexHigh == before.info.nFileIndexHigh &&
        now.info.nFileIndexLow == before.info.nFileIndexLow) {
      if (handle_ != -1) {
        ::ReleaseMutex(HandleOf(handle_));
        ::CloseHandle(HandleOf(handle_));
      }
      handle_ = reinterpret_cast<std::intptr_t>(mutex);
      return true;
    }
    ::ReleaseMutex(mutex);
    ::CloseHandle(mutex);
  }
  return false;
}

}  // namespace chanforge::common
