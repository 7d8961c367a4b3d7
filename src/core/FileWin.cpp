// WriteFileAtomic on Windows; see FileSource.h for the contract.
#include <windows.h>

#include <algorithm>
#include <random>
#include <string>

#include "core/FileSource.h"

namespace sw::detail {
namespace fs = std::filesystem;
namespace {

// The system's text for an error code, as UTF-8, without its line end.
std::string SystemMessage(DWORD code) {
  wchar_t* buf = nullptr;
  const DWORD n =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, code, 0, reinterpret_cast<wchar_t*>(&buf), 0, nullptr);
  std::wstring w(buf ? buf : L"", n);
  if (buf) LocalFree(buf);
  while (!w.empty() && (w.back() == L'\r' || w.back() == L'\n' || w.back() == L' ')) w.pop_back();
  if (w.empty()) return "error " + std::to_string(code);
  const int len = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<std::size_t>(len), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), len, nullptr, nullptr);
  return s;
}

// A path for messages: UTF-8.
std::string Shown(const fs::path& p) {
  const std::u8string u = p.u8string();
  return std::string(u.begin(), u.end());
}

// ".sw-XXXXXX.tmp", as the other platforms name their temporary files.
std::wstring TemporaryName(std::mt19937& rng) {
  static const wchar_t kChars[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
  std::wstring name = L".sw-XXXXXX.tmp";
  for (std::size_t i = 4; i < 10; ++i) name[i] = kChars[rng() % (std::size(kChars) - 1)];
  return name;
}

class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  ~Handle() { close(); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return h_; }
  bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
  void reset(HANDLE h) {
    close();
    h_ = h;
  }
  bool close() {
    if (!valid()) return true;
    const bool ok = CloseHandle(h_) != 0;
    h_ = INVALID_HANDLE_VALUE;
    return ok;
  }

 private:
  HANDLE h_;
};

}  // namespace

Status WriteFileAtomicWindows(const fs::path& target, std::span<const std::uint8_t> data) {
  fs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";
  const DWORD attributes = GetFileAttributesW(target.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  // Windows itself refuses to replace a read-only file; Wine does not, so it
  // is checked here.
  if (exists && (attributes & FILE_ATTRIBUTE_READONLY))
    return MakeError("cannot replace " + Shown(target) + ": the file is read-only");
  std::mt19937 rng(std::random_device{}());
  fs::path tmp;
  Handle file(INVALID_HANDLE_VALUE);
  for (int attempt = 0; !file.valid() && attempt < 100; ++attempt) {
    tmp = dir / TemporaryName(rng);
    file.reset(CreateFileW(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    const DWORD err = file.valid() ? ERROR_SUCCESS : GetLastError();
    if (!file.valid() && err != ERROR_FILE_EXISTS && err != ERROR_ALREADY_EXISTS)
      return MakeError("cannot create " + Shown(tmp) + ": " + SystemMessage(err));
  }
  if (!file.valid()) return MakeError("cannot create a temporary file in " + Shown(dir));
  auto fail = [&](std::string why) {
    file.close();
    DeleteFileW(tmp.c_str());
    return Status(MakeError(std::move(why)));
  };
  for (std::size_t done = 0; done < data.size();) {
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(data.size() - done, std::size_t{1} << 30));
    DWORD wrote = 0;
    if (!WriteFile(file.get(), data.data() + done, want, &wrote, nullptr) || wrote == 0)
      return fail("write error: " + SystemMessage(GetLastError()));
    done += wrote;
  }
  if (!FlushFileBuffers(file.get())) return fail("cannot flush to disk: " + SystemMessage(GetLastError()));
  if (!file.close()) return fail("write error: " + SystemMessage(GetLastError()));
  if (MoveFileExW(tmp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return Status::Ok();
  DWORD err = GetLastError();
  // A rename cannot take the name of a file that is open. When its readers
  // share delete access, the open file can be renamed out of the way, the new
  // one given the name, and the old one deleted (it goes when its last
  // reader closes it). Not atomic: a crash between the two renames leaves the
  // old content as ".sw-XXXXXX.old" beside the new temporary file.
  const bool folder = exists && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  if (exists && !folder && (err == ERROR_ACCESS_DENIED || err == ERROR_SHARING_VIOLATION)) {
    fs::path aside = tmp;
    aside.replace_extension(L".old");
    if (MoveFileExW(target.c_str(), aside.c_str(), MOVEFILE_WRITE_THROUGH)) {
      if (MoveFileExW(tmp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(aside.c_str());
        return Status::Ok();
      }
      err = GetLastError();
      MoveFileExW(aside.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
    }
  }
  return fail("cannot replace " + Shown(target) + ": " + SystemMessage(err));
}

}  // namespace sw::detail
