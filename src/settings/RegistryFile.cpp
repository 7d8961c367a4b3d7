#include "settings/RegistryFile.h"

#include <ctime>
#include <system_error>

#include "core/File.h"

namespace sw {
namespace fs = std::filesystem;
namespace {

// True when `anc` is `key` itself or one of its parents (both folded).
bool IsSelfOrAncestor(const std::string& anc, const std::string& key) {
  if (anc.empty()) return true;
  if (key.size() < anc.size() || key.compare(0, anc.size(), anc) != 0) return false;
  return key.size() == anc.size() || key[anc.size()] == '\\';
}

std::string LineEndOf(const std::string& raw) {
  if (raw.size() >= 2 && raw.compare(raw.size() - 2, 2, "\r\n") == 0) return "\r\n";
  if (!raw.empty() && raw.back() == '\n') return "\n";
  return {};
}

}  // namespace

RegistryFile::RegistryFile(fs::path path, RegDocument doc)
    : path_(std::move(path)), doc_(std::move(doc)), now_([] { return static_cast<std::int64_t>(std::time(nullptr)); }) {}

Result<RegistryFile> RegistryFile::Parse(std::span<const std::uint8_t> bytes, fs::path path) {
  std::vector<Error> warnings;
  Result<RegDocument> doc = ParseRegDocument(bytes, warnings);
  if (!doc) return MakeError(path.string() + ": " + doc.error().message);
  RegistryFile f(std::move(path), std::move(doc).value());
  f.warnings_ = std::move(warnings);
  return f;
}

Result<RegistryFile> RegistryFile::Open(const fs::path& path) {
  Result<std::vector<std::uint8_t>> bytes = ReadWholeFile(path, kMaxRegistryFileBytes);
  if (!bytes) return MakeError(path.string() + ": " + bytes.error().message);
  return Parse(bytes.value(), path);
}

Result<RegistryFile> RegistryFile::OpenOrCreate(const fs::path& path) {
  std::error_code ec;
  if (!fs::exists(path, ec) && !ec) return Empty(path, RegFormat::Wine);
  return Open(path);
}

RegistryFile RegistryFile::Empty(fs::path path, RegFormat format) {
  return RegistryFile(std::move(path), NewRegDocument(format));
}

RegistryFile::Found RegistryFile::find(const std::string& key, const std::string& name) const {
  Found f;
  for (std::size_t s = 0; s < doc_.sections.size(); ++s) {
    const RegSection& sec = doc_.sections[s];
    if (sec.prelude || !sec.visible) continue;
    if (sec.deleted) {
      if (IsSelfOrAncestor(sec.folded, key)) f = Found{};
      continue;
    }
    if (sec.folded != key) continue;
    f.liveSection = static_cast<int>(s);
    for (std::size_t e = 0; e < sec.entries.size(); ++e) {
      const RegEntry& entry = sec.entries[e];
      if (entry.kind == RegEntry::Kind::Other || FoldName(entry.name) != name) continue;
      f.section = static_cast<int>(s);
      f.entry = static_cast<int>(e);
    }
  }
  return f;
}

bool RegistryFile::keyExists(std::string_view key) const {
  std::string k = FoldKeyPath(key);
  bool exists = k.empty();
  for (const RegSection& sec : doc_.sections) {
    if (sec.prelude || !sec.visible) continue;
    if (sec.deleted) {
      if (IsSelfOrAncestor(sec.folded, k)) exists = false;
    } else if (IsSelfOrAncestor(k, sec.folded)) {
      exists = true;  // the key itself, or a subkey that implies it
    }
  }
  return exists;
}

std::optional<RegValue> RegistryFile::value(std::string_view key, std::string_view name) const {
  Found f = find(FoldKeyPath(key), FoldName(name));
  if (f.entry < 0) return std::nullopt;
  const RegEntry& e = doc_.sections[static_cast<std::size_t>(f.section)].entries[static_cast<std::size_t>(f.entry)];
  if (e.kind != RegEntry::Kind::Value) return std::nullopt;
  return e.value;
}

Status RegistryFile::setValue(std::string_view key, std::string_view name, const RegValue& v) {
  std::string folded = FoldKeyPath(key);
  if (folded.empty()) return MakeError("no key given for value \"" + std::string(name) + "\"");
  Found f = find(folded, FoldName(name));
  if (f.entry >= 0) {
    RegEntry& e = doc_.sections[static_cast<std::size_t>(f.section)].entries[static_cast<std::size_t>(f.entry)];
    if (e.kind == RegEntry::Kind::Value && e.value == v) return Status::Ok();
    std::string eol = LineEndOf(e.raw);
    e.raw = FormatValueLine(doc_, e.name, v) + (eol.empty() ? doc_.eol : eol);
    e.kind = RegEntry::Kind::Value;
    e.value = v;
    dirty_ = true;
    return Status::Ok();
  }
  RegEntry entry{RegEntry::Kind::Value, FormatValueLine(doc_, name, v) + doc_.eol, std::string(name), v};
  // The text before the new line must end with a line end.
  auto endLastLine = [this] {
    for (auto s = doc_.sections.rbegin(); s != doc_.sections.rend(); ++s) {
      std::string& last = s->entries.empty() ? s->raw : s->entries.back().raw;
      if (last.empty()) continue;
      if (LineEndOf(last).empty()) last += doc_.eol;
      return;
    }
  };
  if (f.liveSection >= 0) {
    RegSection& sec = doc_.sections[static_cast<std::size_t>(f.liveSection)];
    // After the key's last value, or after the "#…" lines that follow its header.
    std::size_t at = 0;
    for (std::size_t e = 0; e < sec.entries.size(); ++e) {
      const RegEntry& x = sec.entries[e];
      if (x.kind != RegEntry::Kind::Other) at = e + 1;
    }
    if (at == 0)
      while (at < sec.entries.size() && !sec.entries[at].raw.empty() && sec.entries[at].raw[0] == '#') ++at;
    if (at > 0 && at == sec.entries.size()) {
      std::string& last = sec.entries.back().raw;
      if (LineEndOf(last).empty()) last += doc_.eol;
    } else if (at == 0 && LineEndOf(sec.raw).empty()) {
      sec.raw += doc_.eol;
    }
    sec.entries.insert(sec.entries.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
  } else {
    endLastLine();
    RegSection sec;
    sec.visible = true;
    sec.path = std::string(key);
    while (!sec.path.empty() && sec.path.front() == '\\') sec.path.erase(0, 1);
    sec.folded = folded;
    sec.raw = doc_.eol + FormatKeyLine(doc_, sec.path, now_()) + doc_.eol;
    sec.entries.push_back(std::move(entry));
    doc_.sections.push_back(std::move(sec));
  }
  dirty_ = true;
  return Status::Ok();
}

Status RegistryFile::flush() {
  if (!dirty_) return Status::Ok();
  std::error_code ec;
  if (path_.has_parent_path()) {
    fs::create_directories(path_.parent_path(), ec);
    if (ec) return MakeError(path_.string() + ": cannot create the folder: " + ec.message());
  }
  std::vector<std::uint8_t> bytes = serialize();
  if (Status st = WriteFileAtomic(path_, bytes); !st) return MakeError(path_.string() + ": " + st.error().message);
  dirty_ = false;
  return Status::Ok();
}

std::string RegistryFile::source() const { return path_.string(); }

}  // namespace sw
