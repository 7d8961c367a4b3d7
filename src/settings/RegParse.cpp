// Reading registry text files: Wine's user.reg and regedit exports.
#include <string>

#include "core/Cp932.h"
#include "settings/RegDocument.h"
#include "settings/RegText.h"

namespace sw {
namespace {

constexpr std::string_view kWineHeader = "WINE REGISTRY Version 2";
constexpr std::string_view kRegedit4Header = "REGEDIT4";
constexpr std::string_view kRegedit5Header = "Windows Registry Editor Version 5.00";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  return s;
}
std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r' || s.back() == '\n')) s.remove_suffix(1);
  return s;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  if (s.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char a = s[i], b = prefix[i];
    if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
    if (b >= 'A' && b <= 'Z') b = static_cast<char>(b - 'A' + 'a');
    if (a != b) return false;
  }
  return true;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Turns the text of a file (escapes resolved or not) into CP932.
class TextDecoder {
 public:
  TextDecoder(const RegDocument& doc) : doc_(doc) {}

  // A quoted string's inside (without the quotes) to CP932.
  std::string unquote(std::string_view s) const {
    return doc_.format == RegFormat::Wine ? unescapeWine(s) : unescapeRegedit(s);
  }
  // Raw file text (no escapes) to CP932.
  std::string raw(std::string_view s) const { return doc_.rawUtf8 ? Utf8ToCp932(s) : std::string(s); }
  // Binary data of a string type (hex(1), hex(2)) to CP932; trailing NULs go.
  std::string binaryText(const std::vector<std::uint8_t>& b) const {
    if (doc_.format == RegFormat::Regedit4) {
      std::string s(b.begin(), b.end());
      while (!s.empty() && s.back() == '\0') s.pop_back();
      return s;
    }
    std::u16string u;
    for (std::size_t i = 0; i + 1 < b.size(); i += 2)
      u += static_cast<char16_t>(b[i] | (b[i + 1] << 8));
    while (!u.empty() && u.back() == u'\0') u.pop_back();
    return Utf16ToCp932(u);
  }

 private:
  // Wine: \\ \" \a \b \e \f \n \r \t \v, \xH..HHHH (one UTF-16 unit), \ooo
  // (octal, up to three digits); any other escaped character stands for itself.
  std::string unescapeWine(std::string_view s) const {
    std::string out;
    std::u16string units;  // escaped code units not yet converted
    std::size_t runStart = 0;
    auto flushUnits = [&] {
      if (!units.empty()) out += Utf16ToCp932(units);
      units.clear();
    };
    auto flushRun = [&](std::size_t end) {
      if (end > runStart) {
        flushUnits();
        out += raw(s.substr(runStart, end - runStart));
      }
    };
    for (std::size_t i = 0; i < s.size();) {
      if (s[i] != '\\' || i + 1 >= s.size()) {
        ++i;
        continue;
      }
      flushRun(i);
      char c = s[i + 1];
      i += 2;
      char16_t u;
      switch (c) {
        case 'a': u = 7; break;
        case 'b': u = 8; break;
        case 'e': u = 27; break;
        case 'f': u = 12; break;
        case 'n': u = 10; break;
        case 'r': u = 13; break;
        case 't': u = 9; break;
        case 'v': u = 11; break;
        case 'x': {
          unsigned v = 0;
          int k = 0;
          while (k < 4 && i < s.size() && HexValue(s[i]) >= 0) v = v * 16 + static_cast<unsigned>(HexValue(s[i++])), ++k;
          if (k == 0) {  // "\x" with no digits: the letter itself
            u = 'x';
            break;
          }
          u = static_cast<char16_t>(v);
          break;
        }
        default:
          if (c >= '0' && c <= '7') {
            unsigned v = static_cast<unsigned>(c - '0');
            for (int k = 1; k < 3 && i < s.size() && s[i] >= '0' && s[i] <= '7'; ++k)
              v = v * 8 + static_cast<unsigned>(s[i++] - '0');
            u = static_cast<char16_t>(v);
          } else {
            u = static_cast<unsigned char>(c);
          }
      }
      if (u < 0x80 && units.empty()) {
        out += static_cast<char>(u);
      } else {
        units += u;
      }
      runStart = i;
    }
    flushRun(s.size());
    flushUnits();
    return out;
  }

  // regedit: only \\ and \" are escapes; other backslashes stand as they are.
  std::string unescapeRegedit(std::string_view s) const {
    std::string text;
    for (std::size_t i = 0; i < s.size(); ++i) {
      if (s[i] == '\\' && i + 1 < s.size() && (s[i + 1] == '\\' || s[i + 1] == '"')) ++i;
      text += s[i];
    }
    return raw(text);
  }

  const RegDocument& doc_;
};

// Position just past the closing quote of the string opening at s[0], or npos.
std::size_t QuotedEnd(std::string_view s) {
  for (std::size_t i = 1; i < s.size(); ++i) {
    if (s[i] == '\\') {
      ++i;
    } else if (s[i] == '"') {
      return i + 1;
    }
  }
  return std::string_view::npos;
}

// "aa,bb,…" (blanks allowed, a trailing comma allowed, empty allowed).
bool ParseHexBytes(std::string_view s, std::vector<std::uint8_t>& out, std::string& why) {
  s = TrimRight(TrimLeft(s));
  if (s.empty()) return true;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && IsBlank(s[i])) ++i;
    int hi = i < s.size() ? HexValue(s[i]) : -1;
    if (hi < 0) {
      why = "expected a hexadecimal byte in hex data";
      return false;
    }
    int v = hi;
    ++i;
    if (i < s.size() && HexValue(s[i]) >= 0) v = v * 16 + HexValue(s[i++]);
    out.push_back(static_cast<std::uint8_t>(v));
    while (i < s.size() && IsBlank(s[i])) ++i;
    if (i == s.size()) break;
    if (s[i] != ',') {
      why = "expected ',' between bytes in hex data";
      return false;
    }
    ++i;
    while (i < s.size() && IsBlank(s[i])) ++i;
  }
  return true;
}

// The data of a value line (after '='). False with `why` when malformed.
bool ParseData(std::string_view d, const TextDecoder& dec, const RegDocument& doc, RegEntry::Kind& kind,
               RegValue& value, std::string& why) {
  d = TrimRight(d);
  auto quoted = [&](std::string_view q) {
    std::size_t end = q.empty() || q[0] != '"' ? std::string_view::npos : QuotedEnd(q);
    if (end == std::string_view::npos) {
      why = "unterminated string";
      return false;
    }
    if (!TrimLeft(q.substr(end)).empty()) {
      why = "text after the closing quote";
      return false;
    }
    value = RegValue::String(dec.unquote(q.substr(1, end - 2)));
    return true;
  };
  if (!d.empty() && d[0] == '"') return quoted(d);
  if (d == "-") {
    kind = RegEntry::Kind::Delete;
    return true;
  }
  if (StartsWithNoCase(d, "dword:")) {
    std::string_view h = TrimLeft(d.substr(6));
    if (h.empty() || h.size() > 8) {
      why = "dword needs 1 to 8 hexadecimal digits";
      return false;
    }
    std::uint32_t v = 0;
    for (char c : h) {
      if (HexValue(c) < 0) {
        why = "dword needs 1 to 8 hexadecimal digits";
        return false;
      }
      v = v * 16 + static_cast<std::uint32_t>(HexValue(c));
    }
    value = RegValue::Dword(v);
    return true;
  }
  if (StartsWithNoCase(d, "str(") && doc.format == RegFormat::Wine) {
    std::size_t close = d.find("):");
    if (close == std::string_view::npos) {
      why = "malformed str(N): value";
      return false;
    }
    return quoted(d.substr(close + 2));
  }
  if (StartsWithNoCase(d, "hex")) {
    std::string_view rest = d.substr(3);
    unsigned type = 3;  // REG_BINARY
    if (!rest.empty() && rest[0] == '(') {
      std::size_t close = rest.find(')');
      if (close == std::string_view::npos || close == 1) {
        why = "malformed hex(N) type";
        return false;
      }
      type = 0;
      for (char c : rest.substr(1, close - 1)) {
        if (HexValue(c) < 0 || type > 0x0FFFFFFF) {
          why = "malformed hex(N) type";
          return false;
        }
        type = type * 16 + static_cast<unsigned>(HexValue(c));
      }
      rest = rest.substr(close + 1);
    }
    if (rest.empty() || rest[0] != ':') {
      why = "expected ':' after hex";
      return false;
    }
    std::vector<std::uint8_t> bytes;
    if (!ParseHexBytes(rest.substr(1), bytes, why)) return false;
    if (type == 1 || type == 2) {
      value = RegValue::String(dec.binaryText(bytes));
    } else if (type == 4 && bytes.size() == 4) {
      value = RegValue::Dword(static_cast<std::uint32_t>(bytes[0] | (bytes[1] << 8) | (bytes[2] << 16)) |
                                (static_cast<std::uint32_t>(bytes[3]) << 24));
    } else {
      value = RegValue::Binary(std::move(bytes));
    }
    return true;
  }
  why = "unknown value data";
  return false;
}

// Splits a value line into its name and the data after '='. Returns false
// with `why` when there is no such structure.
bool SplitValueLine(std::string_view t, const TextDecoder& dec, std::string& name,
                    std::string_view& data, std::string& why) {
  std::size_t afterName;
  if (t[0] == '@') {
    name.clear();
    afterName = 1;
  } else {
    afterName = QuotedEnd(t);
    if (afterName == std::string_view::npos) {
      why = "unterminated value name";
      return false;
    }
    name = dec.unquote(t.substr(1, afterName - 2));
  }
  std::string_view rest = TrimLeft(t.substr(afterName));
  if (rest.empty() || rest[0] != '=') {
    why = "expected '=' after the value name";
    return false;
  }
  data = TrimLeft(rest.substr(1));
  return true;
}

bool IsHiveHkcu(std::string_view hive) {
  return StartsWithNoCase(hive, "HKEY_CURRENT_USER") ? hive.size() == 17
                                                      : (StartsWithNoCase(hive, "HKCU") && hive.size() == 4);
}

// A key header line; false with `why` when malformed.
bool ParseKeyLine(std::string_view t, const TextDecoder& dec, const RegDocument& doc, RegSection& sec,
                  std::string& folded, std::string& why) {
  if (doc.format == RegFormat::Wine) {
    std::size_t i = 1;
    while (i < t.size() && t[i] != ']') i += (t[i] == '\\') ? 2 : 1;
    if (i >= t.size()) {
      why = "key without closing ']'";
      return false;
    }
    folded = FoldKeyPath(dec.unquote(t.substr(1, i - 1)));
    sec.visible = true;
  } else {
    std::string_view body = TrimRight(t);
    if (body.size() < 2 || body.back() != ']') {
      why = "key without closing ']'";
      return false;
    }
    body = body.substr(1, body.size() - 2);
    if (!body.empty() && body[0] == '-') {
      sec.deleted = true;
      body.remove_prefix(1);
    }
    std::size_t slash = body.find('\\');
    std::string_view hive = body.substr(0, slash);
    sec.visible = IsHiveHkcu(hive);
    folded = slash == std::string_view::npos ? std::string() : FoldKeyPath(dec.raw(body.substr(slash + 1)));
  }
  return true;
}

std::string LineError(std::size_t line, const std::string& why) {
  return "line " + std::to_string(line) + ": " + why;
}

// The file's text, decoded from UTF-16 when needed, replaces `bytes`.
Status DecodeText(std::string& bytes, RegDocument& doc) {
  auto byte = [&bytes](std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); };
  if (bytes.size() >= 2 && byte(0) == 0xFF && byte(1) == 0xFE) {
    if (bytes.size() % 2 != 0) return MakeError("UTF-16 file with an odd number of bytes");
    doc.encoding = RegEncoding::Utf16le;
    // In pieces, none ending inside a surrogate pair, so that only a piece
    // is held as UTF-16 beside the bytes and the text.
    constexpr std::size_t kPiece = 1 << 16;
    std::string text;
    std::u16string piece;
    for (std::size_t i = 2; i < bytes.size();) {
      piece.clear();
      while (i < bytes.size() && (piece.size() < kPiece || (piece.back() >= 0xD800 && piece.back() < 0xDC00))) {
        piece += static_cast<char16_t>(byte(i) | (byte(i + 1) << 8));
        i += 2;
      }
      text += Utf16ToUtf8(piece);
    }
    bytes = std::move(text);
    return Status::Ok();
  }
  if (bytes.size() >= 3 && byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF) {
    doc.encoding = RegEncoding::Utf8Bom;
    bytes.erase(0, 3);
    return Status::Ok();
  }
  doc.encoding = RegEncoding::Bytes;
  return Status::Ok();
}

// The physical lines of `text` from `pos` on, line ends kept.
class Lines {
 public:
  explicit Lines(std::string_view text) : text_(text) {}
  bool atEnd() const { return pos_ >= text_.size(); }
  std::size_t offset() const { return pos_; }
  std::string_view next() {
    const std::size_t nl = text_.find('\n', pos_);
    const std::size_t end = nl == std::string_view::npos ? text_.size() : nl + 1;
    std::string_view line = text_.substr(pos_, end - pos_);
    pos_ = end;
    return line;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// Hex data may continue over lines that end with a backslash: `joined` (the
// data so far) takes the next line while it ends with one. Each line is
// appended once; the backslash and the blanks before it are cut off in place.
bool Continues(const std::string& joined) {
  const std::string_view t = TrimRight(joined);
  return !t.empty() && t.back() == '\\';
}
void Continue(std::string& joined, std::string_view line) {
  joined.resize(TrimRight(joined).size() - 1);
  joined += TrimLeft(TrimRight(line));
}

// The name, kind (Value or Delete) and value of the value line(s) `raw`,
// whose first line is trimmed `t`; false with `why` when malformed. Every
// line of `raw` after the first is a continuation line.
bool ParseValueText(std::string_view raw, std::string_view t, const TextDecoder& dec, const RegDocument& doc,
                    std::string& name, RegEntry::Kind& kind, RegValue& value, std::string& why) {
  std::string_view data;
  if (!SplitValueLine(t, dec, name, data, why)) return false;
  std::string joined;
  if (StartsWithNoCase(data, "hex")) {
    joined = std::string(data);
    Lines more(raw);
    more.next();
    while (!more.atEnd()) Continue(joined, more.next());
    data = joined;
  }
  kind = RegEntry::Kind::Value;
  return ParseData(data, dec, doc, kind, value, why);
}

}  // namespace

void RegDocument::setRaw(RegEntry& e, std::string_view t) {
  const std::string copy(t);  // `t` may lie in `text`, which grows
  unused += e.size;
  e.at = static_cast<std::uint32_t>(text.size());
  e.size = static_cast<std::uint32_t>(copy.size());
  text += copy;
}

void RegDocument::insertEntry(std::size_t s, std::size_t i, RegEntry e) {
  entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(sections[s].first + i), e);
  for (std::size_t k = s + 1; k < sections.size(); ++k) ++sections[k].first;
}

RegSection& RegDocument::addSection(RegSection sec, std::string_view path) {
  sec.first = static_cast<std::uint32_t>(entries.size());
  sec.foldedAt = static_cast<std::uint32_t>(folded.size());
  sec.foldedSize = static_cast<std::uint32_t>(path.size());
  folded += path;
  sections.push_back(sec);
  return sections.back();
}

void RegDocument::setRaw(RegSection& s, std::string_view t) {
  RegEntry e{RegEntry::Kind::Other, s.at, s.size};
  setRaw(e, t);
  s.at = e.at;
  s.size = e.size;
}

void CompactRegDocument(RegDocument& doc) {
  std::string text;
  text.reserve(doc.text.size() - doc.unused);
  auto move = [&](std::uint32_t& at, std::uint32_t size) {
    const std::uint32_t to = static_cast<std::uint32_t>(text.size());
    text.append(doc.text, at, size);
    at = to;
  };
  for (std::size_t s = 0; s < doc.sections.size(); ++s) {
    move(doc.sections[s].at, doc.sections[s].size);
    for (RegEntry& e : doc.entriesOf(s)) move(e.at, e.size);
  }
  doc.text = std::move(text);
  doc.unused = 0;
}

bool ReadRegEntry(const RegDocument& doc, const RegEntry& e, std::string* name, RegValue* value) {
  if (e.kind == RegEntry::Kind::Other) return false;
  const std::string_view raw = doc.raw(e);
  const std::string_view t = TrimLeft(TrimRight(Lines(raw).next()));
  std::string n, why;
  const TextDecoder dec(doc);
  if (!value) {
    // The name alone: the data, which may be long, is left unread.
    std::string_view data;
    if (!SplitValueLine(t, dec, n, data, why)) return false;
    if (name) *name = std::move(n);
    return true;
  }
  RegEntry::Kind kind;
  RegValue v;
  if (!ParseValueText(raw, t, dec, doc, n, kind, v, why)) return false;
  if (name) *name = std::move(n);
  if (value) *value = std::move(v);
  return true;
}

Result<RegDocument> ParseRegDocument(std::span<const std::uint8_t> bytes, RegWarnings& warnings) {
  return ParseRegDocument(std::string(bytes.begin(), bytes.end()), warnings);
}

Result<RegDocument> ParseRegDocument(std::string&& bytes, RegWarnings& warnings) {
  RegDocument doc;
  if (Status st = DecodeText(bytes, doc); !st) return st.error();
  doc.text = std::move(bytes);
  // Offsets into the text are 32-bit; files are limited far below.
  if (doc.text.size() > (std::uint32_t{1} << 31)) return MakeError("too large for a registry file");
  const std::string_view text = doc.text;
  Lines lines(text);
  const std::string_view line0 = lines.next();
  std::string_view first = TrimRight(line0);
  if (first == kWineHeader) {
    doc.format = RegFormat::Wine;
  } else if (first == kRegedit4Header) {
    doc.format = RegFormat::Regedit4;
  } else if (first == kRegedit5Header) {
    doc.format = RegFormat::Regedit5;
  } else {
    return MakeError(LineError(1, "not a registry file (expected \"WINE REGISTRY Version 2\", "
                                  "\"REGEDIT4\" or \"Windows Registry Editor Version 5.00\")"));
  }
  if (doc.encoding != RegEncoding::Bytes) {
    doc.rawUtf8 = true;
  } else {
    doc.rawUtf8 = doc.format != RegFormat::Regedit4 && IsValidUtf8(text);
  }
  if (line0.size() >= 2 && line0.substr(line0.size() - 2) == "\r\n") doc.eol = "\r\n";

  // One section per key line: counted first so that the list is made once.
  std::size_t keys = 0;
  for (std::size_t at = text.find("\n["); at != std::string_view::npos; at = text.find("\n[", at + 2)) ++keys;
  doc.sections.reserve(keys + 1);

  TextDecoder dec(doc);
  RegSection prelude;
  prelude.prelude = true;
  doc.addSection(prelude, {});
  doc.entries.push_back({RegEntry::Kind::Other, 0, static_cast<std::uint32_t>(line0.size())});

  auto warn = [&warnings](std::size_t lineNo, const std::string& why) {
    if (warnings.kept.size() < kKeptWarnings) {
      warnings.add(MakeError(LineError(lineNo, why)));
    } else {
      ++warnings.notKept;
    }
  };
  // Lines that take no part in lookups: consecutive ones are one entry, but
  // "#…" lines and others stay apart (a new value goes after the "#…" lines
  // that follow a key's header).
  auto other = [&text, &doc](const RegSection& sec, std::size_t at, std::size_t size) {
    if (doc.entries.size() > sec.first) {
      RegEntry& last = doc.entries.back();
      if (last.kind == RegEntry::Kind::Other && last.at + last.size == at && last.size > 0 &&
          (text[last.at] == '#') == (text[at] == '#')) {
        last.size += static_cast<std::uint32_t>(size);
        return;
      }
    }
    doc.entries.push_back({RegEntry::Kind::Other, static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(size)});
  };

  std::string name, why, joined, path;
  RegValue value;
  for (std::size_t lineNo = 2; !lines.atEnd(); ++lineNo) {
    const std::size_t at = lines.offset();
    const std::string_view line = lines.next();
    std::string_view t = TrimLeft(TrimRight(line));
    const RegSection& cur = doc.sections.back();
    if (t.empty() || t[0] == ';' || t[0] == '#') {
      other(cur, at, line.size());
      continue;
    }
    if (t[0] == '[') {
      RegSection sec;
      if (!ParseKeyLine(t, dec, doc, sec, path, why)) {
        // Values below a broken key belong to no visible key.
        warn(lineNo, why);
        sec = RegSection{};
        path.clear();
      }
      sec.at = static_cast<std::uint32_t>(at);
      sec.size = static_cast<std::uint32_t>(line.size());
      doc.addSection(sec, path);
      continue;
    }
    if (t[0] != '"' && t[0] != '@') {
      warn(lineNo, "unrecognised line");
      other(cur, at, line.size());
      continue;
    }
    // The value's lines: hex data takes its continuation lines.
    const std::size_t first = lineNo;
    std::string_view data;
    bool ok = SplitValueLine(t, dec, name, data, why);
    if (ok && StartsWithNoCase(data, "hex")) {
      joined = std::string(data);
      while (Continues(joined) && !lines.atEnd()) {
        Continue(joined, lines.next());
        ++lineNo;
      }
    }
    const std::string_view raw = text.substr(at, lines.offset() - at);
    RegEntry::Kind kind = RegEntry::Kind::Value;
    if (ok) ok = ParseValueText(raw, t, dec, doc, name, kind, value, why);
    if (ok && cur.prelude) {
      ok = false;
      why = "value outside any key";
    }
    if (!ok) {
      warn(first, why);
      other(cur, at, raw.size());
      continue;
    }
    doc.entries.push_back({kind, static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(raw.size())});
  }
  return doc;
}

}  // namespace sw
