// Writing registry text files: whole documents and single new lines.
#include <cstdio>

#include "core/Cp932.h"
#include "settings/RegDocument.h"
#include "settings/RegText.h"

namespace sw {
namespace {

constexpr std::size_t kHexLineWidth = 76;

std::string Hex2(unsigned v) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02x", v & 0xFFu);
  return buf;
}

// Wine's escaping of one text (CP932 in, ASCII out).
std::string EscapeWine(std::string_view cp932, bool keyPath) {
  std::string out;
  for (char16_t u : Cp932ToUtf16(cp932)) {
    switch (u) {
      case u'\\': out += "\\\\"; break;
      case u'"': out += "\\\""; break;
      case u'\n': out += "\\n"; break;
      case u'\r': out += "\\r"; break;
      case u'\t': out += "\\t"; break;
      default:
        if (keyPath && (u == u'[' || u == u']')) {
          out += '\\';
          out += static_cast<char>(u);
        } else if (u < 0x20 || u > 0x7E) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\x%04x", static_cast<unsigned>(u));
          out += buf;
        } else {
          out += static_cast<char>(u);
        }
    }
  }
  return out;
}

// CP932 to the file's raw text.
std::string RawText(const RegDocument& doc, std::string_view cp932) {
  return doc.rawUtf8 ? Cp932ToUtf8(cp932) : std::string(cp932);
}

std::string Quote(const RegDocument& doc, std::string_view cp932) {
  if (doc.format == RegFormat::Wine) return "\"" + EscapeWine(cp932, false) + "\"";
  std::string out = "\"";
  for (char c : RawText(doc, cp932)) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string HexData(const RegDocument& doc, std::string prefix, const std::vector<std::uint8_t>& bytes,
                    std::size_t lineStart) {
  std::string out = std::move(prefix);
  std::size_t col = lineStart + out.size();
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    std::string item = Hex2(bytes[i]) + (i + 1 < bytes.size() ? "," : "");
    if (col + item.size() > kHexLineWidth && i + 1 < bytes.size()) {
      out += "\\" + doc.eol + "  ";
      col = 2;
    }
    out += item;
    col += item.size();
  }
  return out;
}

bool HasControl(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) < 0x20) return true;
  return false;
}

// A string as hex(1) data: UTF-16LE (or CP932 bytes for REGEDIT4) with its NUL.
std::vector<std::uint8_t> StringBytes(const RegDocument& doc, std::string_view cp932) {
  std::vector<std::uint8_t> b;
  if (doc.format == RegFormat::Regedit4) {
    b.assign(cp932.begin(), cp932.end());
    b.push_back(0);
    return b;
  }
  for (char16_t u : Cp932ToUtf16(cp932)) {
    b.push_back(static_cast<std::uint8_t>(u & 0xFF));
    b.push_back(static_cast<std::uint8_t>(u >> 8));
  }
  b.push_back(0);
  b.push_back(0);
  return b;
}

}  // namespace

std::string FormatValueLine(const RegDocument& doc, std::string_view name, const RegValue& v) {
  std::string line = (name.empty() ? std::string("@") : Quote(doc, name)) + "=";
  switch (v.type) {
    case RegValue::Type::String:
      // regedit cannot quote line breaks or other control characters.
      if (doc.format != RegFormat::Wine && HasControl(v.text))
        return HexData(doc, line + "hex(1):", StringBytes(doc, v.text), 0);
      return line + Quote(doc, v.text);
    case RegValue::Type::Dword: {
      char buf[16];
      std::snprintf(buf, sizeof buf, "dword:%08x", static_cast<unsigned>(v.dword));
      return line + buf;
    }
    case RegValue::Type::Binary:
      return HexData(doc, line + "hex:", v.bytes, 0);
  }
  return line;
}

std::string FormatKeyLine(const RegDocument& doc, std::string_view path, std::int64_t unixTime) {
  if (doc.format == RegFormat::Wine)
    return "[" + EscapeWine(path, true) + "] " + std::to_string(unixTime);
  return "[HKEY_CURRENT_USER" + (path.empty() ? std::string() : "\\" + RawText(doc, path)) + "]";
}

RegDocument NewRegDocument(RegFormat format) {
  RegDocument doc;
  doc.format = format;
  doc.rawUtf8 = format != RegFormat::Regedit4;
  std::string header;
  switch (format) {
    case RegFormat::Wine:
      header = "WINE REGISTRY Version 2";
      break;
    case RegFormat::Regedit4:
      header = "REGEDIT4";
      doc.eol = "\r\n";
      break;
    case RegFormat::Regedit5:
      header = "Windows Registry Editor Version 5.00";
      doc.eol = "\r\n";
      doc.encoding = RegEncoding::Utf16le;
      break;
  }
  RegSection prelude;
  prelude.prelude = true;
  doc.addSection(prelude, {});
  doc.text = header + doc.eol;
  doc.entries.push_back({RegEntry::Kind::Other, 0, static_cast<std::uint32_t>(doc.text.size())});
  return doc;
}

std::vector<std::uint8_t> SerializeRegDocument(const RegDocument& doc) {
  std::string text;
  text.reserve(doc.text.size() - doc.unused);
  for (std::size_t s = 0; s < doc.sections.size(); ++s) {
    text += doc.raw(doc.sections[s]);
    for (const RegEntry& e : doc.entriesOf(s)) text += doc.raw(e);
  }
  std::vector<std::uint8_t> out;
  switch (doc.encoding) {
    case RegEncoding::Bytes:
      out.assign(text.begin(), text.end());
      break;
    case RegEncoding::Utf8Bom:
      text.insert(0, "\xEF\xBB\xBF");
      out.assign(text.begin(), text.end());
      break;
    case RegEncoding::Utf16le: {
      out = {0xFF, 0xFE};
      for (char16_t u : Utf8ToUtf16(text)) {
        out.push_back(static_cast<std::uint8_t>(u & 0xFF));
        out.push_back(static_cast<std::uint8_t>(u >> 8));
      }
      break;
    }
  }
  return out;
}

std::string FoldName(std::string_view name) {
  std::string out(name);
  for (std::size_t i = 0; i < out.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(out[i]);
    if (IsLeadByte(c) && i + 1 < out.size()) {
      ++i;  // the trail byte is not a letter of its own
    } else if (c >= 'A' && c <= 'Z') {
      out[i] = static_cast<char>(c - 'A' + 'a');
    }
  }
  return out;
}

std::string FoldKeyPath(std::string_view path) {
  std::string out = FoldName(path);
  std::size_t start = 0;
  while (start < out.size() && out[start] == '\\') ++start;
  out.erase(0, start);
  // A trailing backslash, unless it is the trail byte of a character.
  while (!out.empty() && out.back() == '\\' &&
         !(out.size() >= 2 && IsLeadByte(static_cast<unsigned char>(out[out.size() - 2])) &&
           CharOffset(out, CharCount(out)) == out.size() - 2))
    out.pop_back();
  return out;
}

}  // namespace sw
