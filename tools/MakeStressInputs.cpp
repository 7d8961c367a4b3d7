// sw-make-stress-inputs KIND BYTES OUT: writes a large input of one kind, of
// about BYTES bytes, for timing and memory measurements of the readers.
//
//   linetype   Jw_cad settings (regedit, REGEDIT4) whose Type_02 line type
//              is one long hexadecimal pattern ending in ink
//   hexlines   a regedit file with one binary value continued over many lines
//   junk       Wine's format: the header, then short unrecognised lines
//   utf16      a UTF-16LE regedit file of many small keys with a value each
//   keys       Wine's format: many small keys with a value each
//   classes    a drawing whose objects register many classes and refer to
//              the first one, with tags that name no registered class between
//   blocks     a drawing of N = BYTES / 200 block definitions of one line
//              each and one insert of each (by the last number first)
//   truncate   OUT from the drawing given as BYTES (a path), cut at each of
//              the comma-separated offsets in the environment variable CUTS:
//              writes OUT.<offset> files (a helper for trying cut drawings)
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "support/JwwWriter.h"
#include "support/RegFiles.h"

namespace {

using sw::test::Bytes;

bool Save(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream f(path, std::ios::binary);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(f);
}

std::vector<std::uint8_t> LineType(std::size_t size) {
  std::string pattern = "8" + std::string(size, 'F');
  return Bytes(sw::test::RegeditText(false, {{"HKEY_CURRENT_USER\\Software\\Jw_cad\\jw_win\\Line",
                                              {"\"Type_02\"=\"" + pattern + "\""}}}));
}

std::vector<std::uint8_t> HexLines(std::size_t size) {
  std::string value = "\"Blob\"=hex:";
  while (value.size() < size) {
    for (int b = 0; b < 24; ++b) value += "5a,";
    value += "\\\r\n  ";
  }
  value += "00";
  return Bytes(sw::test::RegeditText(false, {{"HKEY_CURRENT_USER\\Software\\Jw_cad", {value}}}));
}

std::vector<std::uint8_t> Junk(std::size_t size) {
  std::string text = "WINE REGISTRY Version 2\n";
  text.reserve(size + 8);
  while (text.size() < size) text += "x\n";
  return Bytes(text);
}

// Keys of about `perKey` bytes each; Wine's format escapes the backslash.
std::vector<sw::test::RegKeyText> ManyKeys(std::size_t size, std::size_t perKey, bool wine) {
  const std::string prefix = wine ? "Software\\\\Jw_cad\\\\K" : "HKEY_CURRENT_USER\\Software\\Jw_cad\\K";
  std::vector<sw::test::RegKeyText> keys;
  for (std::size_t n = 0; n * perKey < size; ++n)
    keys.push_back({prefix + std::to_string(n), {"\"V\"=dword:00000001"}});
  return keys;
}

std::vector<std::uint8_t> Classes(std::size_t size) {
  using namespace sw;
  JWWDrawing d = test::MakeDrawing(600);
  test::JwwWriter w(600);
  w.signature();
  w.versionField();
  w.header(d.head);
  const std::size_t lines = size / 90;
  w.count(static_cast<std::uint32_t>(lines));
  CDataSen line;
  line.head = test::MakeHead(0, 0);
  w.object(line);  // registers CDataSen as index 1
  for (std::size_t i = 1; i < lines; ++i) {
    // Two new classes that the reader does not know (fields: none).
    for (int k = 0; k < 2; ++k) {
      w.out().u16(0xFFFF);
      w.out().u16(1);
      w.out().u16(4);
      w.out().bytes("CZzz");
    }
    w.out().u16(0x0001);  // a tag without class
    w.out().u16(0x8001);  // a line, by reference to index 1
    w.head(line.head);
    w.fields(line);
  }
  w.endTag();
  return w.take();
}

std::vector<std::uint8_t> Blocks(std::size_t size) {
  using namespace sw;
  JWWDrawing d = test::MakeDrawing(600);
  const std::int32_t n = static_cast<std::int32_t>(size / 200);
  for (std::int32_t k = 0; k < n; ++k) {
    CDataList def;
    def.number = k + 1;
    def.name = "B" + std::to_string(k + 1);
    def.memberCount = 1;
    d.JWWBlocks.addDefinition(def);
    CDataSen l;
    l.head = test::MakeHead(0, 0);
    l.x2 = 1;
    d.JWWBlocks.addMember(l);
    CDataBlock insert;
    insert.head = test::MakeHead(0, 0);
    insert.x = k % 100;
    insert.y = k / 100;
    insert.scaleX = insert.scaleY = 1;
    insert.blockNumber = n - k;
    d.JWWInserts.push_back(insert);
  }
  return test::WriteJww(d);
}

int Truncate(const std::string& in, const std::string& out) {
  std::ifstream f(in, std::ios::binary);
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  const char* cuts = std::getenv("CUTS");
  if (!f.eof() || !cuts) return 2;
  std::string list = cuts;
  for (std::size_t at = 0; at < list.size();) {
    std::size_t comma = list.find(',', at);
    if (comma == std::string::npos) comma = list.size();
    const std::size_t cut = std::stoul(list.substr(at, comma - at));
    at = comma + 1;
    if (cut > bytes.size()) continue;
    if (!Save(out + "." + std::to_string(cut), {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut)}))
      return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: sw-make-stress-inputs linetype|hexlines|junk|utf16|keys|classes|blocks BYTES OUT\n"
                 "       CUTS=a,b,… sw-make-stress-inputs truncate DRAWING OUT\n";
    return 2;
  }
  const std::string kind = argv[1];
  if (kind == "truncate") return Truncate(argv[2], argv[3]);
  const std::size_t size = std::strtoull(argv[2], nullptr, 10);
  std::vector<std::uint8_t> bytes;
  if (kind == "linetype") {
    bytes = LineType(size);
  } else if (kind == "hexlines") {
    bytes = HexLines(size);
  } else if (kind == "junk") {
    bytes = Junk(size);
  } else if (kind == "utf16") {
    bytes = sw::test::Utf16LeWithBom(sw::test::RegeditText(true, ManyKeys(size / 2, 60, false)));
  } else if (kind == "keys") {
    bytes = Bytes(sw::test::WineRegText(ManyKeys(size, 90, true)));
  } else if (kind == "classes") {
    bytes = Classes(size);
  } else if (kind == "blocks") {
    bytes = Blocks(size);
  } else {
    std::cerr << "unknown kind " << kind << "\n";
    return 2;
  }
  return Save(argv[3], bytes) ? 0 : 1;
}
