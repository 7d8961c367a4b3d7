#include "settings/RegistryFile.h"

#include <ctime>
#include <system_error>

#include "core/File.h"

namespace sw {
namespace fs = std::filesystem;
namespace {

// True when `anc` is `key` itself or one of its parents (both folded).
bool IsSelfOrAncestor(std::string_view anc, std::string_view key) {
  if (anc.empty()) return true;
  if (!key.starts_with(anc)) return false;
  return key.size() == anc.size() || key[anc.size()] == '\\';
}

std::string LineEndOf(std::string_view raw) {
  if (raw.size() >= 2 && raw.substr(raw.size() - 2) == "\r\n") return "\r\n";
  if (!raw.empty() && raw.back() == '\n') return "\n";
  return {};
}

}  // namespace

RegistryFile::RegistryFile(fs::path path, RegDocument doc)
    : path_(std::move(path)), doc_(std::move(doc)), now_([] { return static_cast<std::int64_t>(std::time(nullptr)); }) {}

Result<RegistryFile> RegistryFile::Parse(std::span<const std::uint8_t> bytes, fs::path path) {
  RegWarnings warnings;
  Result<RegDocument> doc = ParseRegDocument(bytes, warnings);
  if (!doc) return MakeError(path.string() + ": " + doc.error().message);
  RegistryFile f(std::move(path), std::move(doc).value());
  f.warnings_ = std::move(warnings);
  return f;
}

Result<RegistryFile> RegistryFile::Open(const fs::path& path) {
  // The bytes read become the document's text: the file is held once.
  Result<std::string> bytes = ReadWholeFileText(path, kMaxRegistryFileBytes);
  if (!bytes) return MakeError(path.string() + ": " + bytes.error().message);
  RegWarnings warnings;
  Result<RegDocument> doc = ParseRegDocument(std::move(bytes).value(), warnings);
  if (!doc) return MakeError(path.string() + ": " + doc.error().message);
  RegistryFile f(path, std::move(doc).value());
  f.warnings_ = std::move(warnings);
  return f;
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
  std::string entryName;
  for (std::size_t s = 0; s < doc_.sections.size(); ++s) {
    const RegSection& sec = doc_.sections[s];
    if (sec.prelude || !sec.visible) continue;
    if (sec.deleted) {
      if (IsSelfOrAncestor(doc_.path(sec), key)) f = Found{};
      continue;
    }
    if (doc_.path(sec) != key) continue;
    f.liveSection = static_cast<int>(s);
    const std::span<const RegEntry> entries = doc_.entriesOf(s);
    for (std::size_t e = 0; e < entries.size(); ++e) {
      const RegEntry& entry = entries[e];
      if (!ReadRegEntry(doc_, entry, &entryName, nullptr) || FoldName(entryName) != name) continue;
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
      if (IsSelfOrAncestor(doc_.path(sec), k)) exists = false;
    } else if (IsSelfOrAncestor(k, doc_.path(sec))) {
      exists = true;  // the key itself, or a subkey that implies it
    }
  }
  return exists;
}

std::optional<RegValue> RegistryFile::value(std::string_view key, std::string_view name) const {
  Found f = find(FoldKeyPath(key), FoldName(name));
  if (f.entry < 0) return std::nullopt;
  const RegEntry& e = doc_.entriesOf(static_cast<std::size_t>(f.section))[static_cast<std::size_t>(f.entry)];
  RegValue v;
  if (e.kind != RegEntry::Kind::Value || !ReadRegEntry(doc_, e, nullptr, &v)) return std::nullopt;
  return v;
}

Status RegistryFile::setValue(std::string_view key, std::string_view name, const RegValue& v) {
  std::string folded = FoldKeyPath(key);
  if (folded.empty()) return MakeError("no key given for value \"" + std::string(name) + "\"");
  Found f = find(folded, FoldName(name));
  if (f.entry >= 0) {
    RegEntry& e = doc_.entriesOf(static_cast<std::size_t>(f.section))[static_cast<std::size_t>(f.entry)];
    std::string entryName;
    RegValue old;
    ReadRegEntry(doc_, e, &entryName, &old);
    if (e.kind == RegEntry::Kind::Value && old == v) return Status::Ok();
    std::string eol = LineEndOf(doc_.raw(e));
    doc_.setRaw(e, FormatValueLine(doc_, entryName, v) + (eol.empty() ? doc_.eol : eol));
    e.kind = RegEntry::Kind::Value;
    changed();
    return Status::Ok();
  }
  RegEntry entry{RegEntry::Kind::Value, 0, 0};
  doc_.setRaw(entry, FormatValueLine(doc_, name, v) + doc_.eol);
  // The text before the new line must end with a line end.
  auto endLine = [this](auto& part) {
    const std::string_view raw = doc_.raw(part);
    if (LineEndOf(raw).empty()) doc_.setRaw(part, std::string(raw) + doc_.eol);
  };
  auto endLastLine = [&] {
    for (std::size_t s = doc_.sections.size(); s-- > 0;) {
      const std::span<RegEntry> entries = doc_.entriesOf(s);
      if (!entries.empty() && entries.back().size > 0) return endLine(entries.back());
      if (entries.empty() && doc_.sections[s].size > 0) return endLine(doc_.sections[s]);
    }
  };
  if (f.liveSection >= 0) {
    const std::size_t s = static_cast<std::size_t>(f.liveSection);
    const std::span<RegEntry> entries = doc_.entriesOf(s);
    // After the key's last value, or after the "#…" lines that follow its header.
    std::size_t at = 0;
    for (std::size_t e = 0; e < entries.size(); ++e)
      if (entries[e].kind != RegEntry::Kind::Other) at = e + 1;
    if (at == 0)
      while (at < entries.size() && doc_.raw(entries[at]).starts_with('#')) ++at;
    if (at > 0 && at == entries.size()) {
      endLine(entries.back());
    } else if (at == 0) {
      endLine(doc_.sections[s]);
    }
    doc_.insertEntry(s, at, entry);
  } else {
    endLastLine();
    RegSection sec;
    sec.visible = true;
    std::string_view path = key;
    while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
    doc_.setRaw(sec, doc_.eol + FormatKeyLine(doc_, path, now_()) + doc_.eol);
    doc_.addSection(sec, folded);
    doc_.entries.push_back(entry);
  }
  changed();
  return Status::Ok();
}

void RegistryFile::changed() {
  dirty_ = true;
  // Text replaced by setValue stays in the document until there is as much
  // of it as of the rest.
  if (doc_.unused > 4096 && doc_.unused > doc_.text.size() / 2) CompactRegDocument(doc_);
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
