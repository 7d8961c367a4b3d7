// The native backend over HKEY_CURRENT_USER. Names and texts cross the API as
// UTF-16 and are CP932 in the program.
#include <windows.h>

#include <string>
#include <vector>

#include "core/Cp932.h"
#include "settings/RegText.h"
#include "settings/RegistryWin.h"

namespace sw {
namespace {

std::wstring Wide(std::string_view cp932) {
  std::u16string u = Cp932ToUtf16(cp932);
  return std::wstring(u.begin(), u.end());
}

std::string KeyPath(std::string_view key) {
  while (!key.empty() && key.front() == '\\') key.remove_prefix(1);
  return std::string(key);
}

class HkeyCloser {
 public:
  explicit HkeyCloser(HKEY k) : k_(k) {}
  ~HkeyCloser() { RegCloseKey(k_); }
  HkeyCloser(const HkeyCloser&) = delete;
  HkeyCloser& operator=(const HkeyCloser&) = delete;

 private:
  HKEY k_;
};

std::string WinMessage(LONG code) {
  wchar_t* buf = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&buf), 0, nullptr);
  std::u16string u(buf ? reinterpret_cast<const char16_t*>(buf) : u"", n);
  if (buf) LocalFree(buf);
  while (!u.empty() && (u.back() == u'\r' || u.back() == u'\n')) u.pop_back();
  return Utf16ToUtf8(u);
}

class WinRegistry final : public Registry {
 public:
  bool keyExists(std::string_view key) const override {
    HKEY k;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Wide(KeyPath(key)).c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    RegCloseKey(k);
    return true;
  }

  std::optional<RegValue> value(std::string_view key, std::string_view name) const override {
    HKEY k;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Wide(KeyPath(key)).c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS)
      return std::nullopt;
    HkeyCloser closer(k);
    std::wstring wname = Wide(name);
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(k, wname.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    std::vector<BYTE> data(size + 2, 0);
    DWORD got = size;
    if (RegQueryValueExW(k, wname.c_str(), nullptr, &type, data.data(), &got) != ERROR_SUCCESS || got > size)
      return std::nullopt;
    data.resize(got);
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
      std::u16string u;
      for (std::size_t i = 0; i + 1 < data.size(); i += 2)
        u += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
      while (!u.empty() && u.back() == u'\0') u.pop_back();
      return RegValue::String(Utf16ToCp932(u));
    }
    if (type == REG_DWORD && data.size() == 4)
      return RegValue::Dword(static_cast<std::uint32_t>(data[0] | (data[1] << 8) | (data[2] << 16)) |
                             (static_cast<std::uint32_t>(data[3]) << 24));
    return RegValue::Binary(std::vector<std::uint8_t>(data.begin(), data.end()));
  }

  Status setValue(std::string_view key, std::string_view name, const RegValue& v) override {
    HKEY k;
    LONG r = RegCreateKeyExW(HKEY_CURRENT_USER, Wide(KeyPath(key)).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &k,
                             nullptr);
    if (r != ERROR_SUCCESS) return MakeError("HKEY_CURRENT_USER\\" + KeyPath(key) + ": " + WinMessage(r));
    HkeyCloser closer(k);
    std::wstring wname = Wide(name);
    switch (v.type) {
      case RegValue::Type::String: {
        std::wstring w = Wide(v.text);
        r = RegSetValueExW(k, wname.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(w.c_str()),
                           static_cast<DWORD>((w.size() + 1) * sizeof(wchar_t)));
        break;
      }
      case RegValue::Type::Dword: {
        DWORD d = v.dword;
        r = RegSetValueExW(k, wname.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&d), sizeof d);
        break;
      }
      case RegValue::Type::Binary:
        r = RegSetValueExW(k, wname.c_str(), 0, REG_BINARY, v.bytes.data(), static_cast<DWORD>(v.bytes.size()));
        break;
    }
    if (r != ERROR_SUCCESS) return MakeError("HKEY_CURRENT_USER\\" + KeyPath(key) + ": " + WinMessage(r));
    return Status::Ok();
  }

  Status flush() override { return Status::Ok(); }
  std::string source() const override { return "HKEY_CURRENT_USER"; }
};

}  // namespace

std::unique_ptr<Registry> OpenCurrentUserRegistry() { return std::make_unique<WinRegistry>(); }

}  // namespace sw
