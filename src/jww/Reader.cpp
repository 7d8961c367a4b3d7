#include "jww/Reader.h"

#include <algorithm>
#include <string_view>

#include "core/ByteReader.h"
#include "core/Cp932.h"
#include "core/File.h"
#include "core/Memory.h"
#include "jww/ArchiveReader.h"

namespace sw {
namespace {

// Class names the reader understands, and what they become.
enum class Cls { None, Sen, Enko, Ten, Moji, Solid, Block, Sunpou, List };

Cls Classify(std::string_view name) {
  if (name == "CDataSen") return Cls::Sen;
  if (name == "CDataEnko") return Cls::Enko;
  if (name == "CDataTen") return Cls::Ten;
  if (name == "CDataMoji") return Cls::Moji;
  if (name == "CDataSolid") return Cls::Solid;
  if (name == "CDataBlock") return Cls::Block;
  if (name == "CDataSunpou") return Cls::Sunpou;
  if (name == "CDataList") return Cls::List;
  return Cls::None;
}

constexpr std::size_t kClassCount = static_cast<std::size_t>(Cls::List) + 1;

// The fewest bytes an object of `cls` takes in the stream of `version`: a
// class reference tag (one WORD) and its fields, with every string empty (one
// length byte) and no optional field. The bytes left divided by this bound
// how many more such objects the data can hold.
std::size_t MinObjectBytes(Cls cls, std::uint32_t version) {
  const std::size_t head = version >= 351 ? 15 : 13;
  const std::size_t line = head + 4 * 8;
  const std::size_t point = head + 2 * 8 + 4;
  const std::size_t text = head + 8 * 8 + 4 + 2;
  const std::size_t tag = 2;
  switch (cls) {
    case Cls::Sen:
      return tag + line;
    case Cls::Enko:
      return tag + head + 7 * 8 + 4;
    case Cls::Ten:
      return tag + point;
    case Cls::Moji:
      return tag + text;
    case Cls::Solid:
      return tag + head + 8 * 8;
    case Cls::Block:
      return tag + head + 5 * 8 + 4;
    case Cls::Sunpou:
      return tag + head + line + text + (version >= 420 ? 2 + 2 * line + 4 * point : 0);
    case Cls::List:  // definitions are not kept in these arrays
    case Cls::None:
      break;
  }
  return tag;
}

// The fewest bytes any object that can be a block member takes.
std::size_t MinMemberBytes(std::uint32_t version) {
  std::size_t least = MinObjectBytes(Cls::Sen, version);
  for (Cls c : {Cls::Enko, Cls::Ten, Cls::Moji, Cls::Solid, Cls::Block, Cls::Sunpou})
    least = std::min(least, MinObjectBytes(c, version));
  return least;
}

class JwwParser {
 public:
  // `source`, when given, holds the bytes being parsed and is told as the
  // parse moves on which of them are done with.
  JwwParser(ArchiveReader& in, JWWDrawing& out, FileBytes* source) : in_(in), out_(out), source_(source) {}

  void header(JWWHead& h);
  void objects();
  // After the data ran out without an end tag: fails unless every entity,
  // block definition and member the file announced was read. Jw_cad always
  // writes the definition count after the entities (0 ends the objects when
  // there are no blocks), so data that ends before it is cut short too.
  void checkComplete();

 private:
  // Marks a data-present entry, ignoring layer or group numbers out of range.
  static void Mark(std::array<std::uint8_t, 256>& layers, std::array<std::uint8_t, 16>& groups,
                   const JWWEntityHead& head) {
    if (head.layerGroup < 16 && head.layer < 16) {
      layers[head.layerGroup * 16u + head.layer] = 1;
      groups[head.layerGroup] = 1;
    }
  }
  template <class R>
  void store(Cls cls, R&& rec, std::vector<std::decay_t<R>>& array) {
    if (inDefinition_) {
      out_.JWWBlocks.addMember(std::forward<R>(rec));
      ++readMembers_;
      return;
    }
    if (!reserved_[static_cast<std::size_t>(cls)]) {
      reserved_[static_cast<std::size_t>(cls)] = true;
      array.reserve(ReservationFor(cls));
      HintLargePages(array.data(), array.capacity() * sizeof(array[0]));
    }
    array.push_back(std::forward<R>(rec));
    ++mainObjects_;
  }
  // Room for the objects of `cls` in the main drawing, reserved when the
  // first one has been read: no more than the entity count still announced,
  // and no more than that object and what the bytes left can hold (the count
  // alone is only what the file claims).
  std::size_t ReservationFor(Cls cls) const {
    const std::uint64_t announced = declaredCount_ > mainObjects_ ? declaredCount_ - mainObjects_ : 0;
    const std::uint64_t room = 1 + in_.bytes().remaining() / MinObjectBytes(cls, in_.version());
    return static_cast<std::size_t>(std::min(announced, room));
  }

  ArchiveReader& in_;
  JWWDrawing& out_;
  FileBytes* source_;
  bool inDefinition_ = false;
  std::int64_t expectedMembers_ = 0;
  std::int64_t readMembers_ = 0;
  std::uint64_t declaredCount_ = 0;  // the entity count the file gives
  std::uint64_t mainObjects_ = 0;    // objects stored in the arrays so far
  // The definition count: the WORD without class that stands before the
  // definitions (the first such tag); -1 until one is seen.
  std::int64_t declaredDefinitions_ = -1;
  std::size_t definitionAt_ = 0;  // offset of the last definition read
  std::array<bool, kClassCount> reserved_{};
};

// The parse hands its source the bytes it is done with in steps of this size.
constexpr std::size_t kDiscardStep = std::size_t{4} << 20;

void JwwParser::header(JWWHead& h) {
  ByteReader& r = in_.bytes();
  const std::uint32_t v = h.version;
  h.memo = in_.string();
  h.paperSize = r.i32();
  h.writeGroup = r.i32();
  for (auto& g : h.groups) g = in_.groupState();
  for (auto& x : h.reserved1) x = r.i32();
  for (auto& x : h.settings1) x = r.i32();
  for (auto& x : h.settings2.a) x = r.f64();
  for (auto& x : h.settings2.b) x = r.i32();
  for (auto& x : h.settings2.c) x = r.f64();
  for (auto& n : h.layerNames) n = in_.string();
  for (auto& n : h.groupNames) n = in_.string();
  for (auto& x : h.settings3.a) x = r.f64();
  h.settings3.b = r.i32();
  h.settings3.c = r.f64();
  if (v >= 300)
    for (auto& x : h.settings3.d) x = r.f64();
  h.settings4.a = r.i32();
  for (auto& x : h.settings4.b) x = r.f64();
  auto triple = [&](JWWTriple& t, bool withInt) {
    for (auto& x : t.d) x = r.f64();
    if (withInt) t.i = r.i32();
  };
  for (int i = 0; i < 4; ++i) triple(h.jumps[static_cast<std::size_t>(i)], v >= 300);
  if (v >= 300) {
    for (int i = 4; i < 8; ++i) triple(h.jumps[static_cast<std::size_t>(i)], true);
    for (auto& t : h.jumpsExtra) triple(t, true);
  }
  for (auto& x : h.settings5) x = r.f64();
  for (auto& p : h.penTable) {
    p.color = r.i32();
    p.width = r.i32();
  }
  for (auto& p : h.printPenTable) {
    p.color = r.i32();
    p.width = r.i32();
    p.radius = r.f64();
  }
  for (auto& row : h.lineTypeTable)
    for (auto& x : row) x = r.i32();
  for (auto& row : h.randomLineTable)
    for (auto& x : row) x = r.i32();
  for (auto& row : h.doubleLineTable)
    for (auto& x : row) x = r.i32();
  for (auto& x : h.flags11) x = r.i32();
  if (v < 600) h.flags11[10] = 10;
  for (auto& x : h.settings6.a) x = r.i32();
  for (auto& x : h.settings6.b) x = r.f64();
  for (auto& x : h.settings6.c) x = r.i32();
  if (v >= 420) {
    for (auto& c : h.sxfColors) {
      c.color = r.i32();
      c.width = r.i32();
    }
    for (auto& p : h.sxfPrintPens) {
      p.name = in_.string();
      p.printColor = r.i32();
      p.printWidth = r.i32();
      p.pointRadius = r.f64();
    }
    for (auto& t : h.sxfLineTypes) {
      t.pattern = r.i32();
      t.unitDots = r.i32();
      t.pitch = r.i32();
      t.printPitch = r.i32();
    }
    for (auto& t : h.sxfUserLineTypes) {
      t.name = in_.string();
      t.segmentCount = r.i32();
      for (auto& x : t.pitches) x = r.f64();
    }
  }
  for (auto& t : h.textStyles) triple(t, true);
  for (auto& x : h.settings7.a) x = r.f64();
  for (auto& x : h.settings7.b) x = r.i32();
  for (auto& x : h.settings7.c) x = r.f64();
  h.settings7.d = r.i32();
  for (auto& x : h.settings7.e) x = r.f64();
}

void JwwParser::objects() {
  ByteReader& r = in_.bytes();
  // The entity count is only a capacity hint, bounded by the bytes left (see
  // ReservationFor), so a huge count in a small file costs nothing.
  declaredCount_ = in_.count();
  std::size_t nextDiscard = r.offset() + kDiscardStep;
  // The class registry, by index: registrations take the index counter, which
  // only grows, so each index is registered at most once and the table is
  // never longer than the counter. An entry holds the kind and whether the
  // name was not empty; an index never registered has neither.
  std::vector<std::uint8_t> classes;
  constexpr std::uint8_t kNamed = 0x80;
  std::int64_t counter = 1;
  bool endTag = false;
  while (!r.failed() && !r.atEnd()) {
    if (source_ && r.offset() >= nextDiscard) {
      source_->discardBefore(r.offset());
      nextDiscard = r.offset() + kDiscardStep;
    }
    const std::size_t tagAt = r.offset();
    std::uint16_t tag = r.u16();
    if (r.failed()) break;
    if (tag == 0) {
      endTag = true;
      break;
    }
    std::int64_t index = 0;
    if (tag == 0xFFFF) {
      (void)r.u16();  // schema
      std::uint16_t len = r.u16();
      std::string name;
      r.bytes(len, name);
      if (r.failed()) break;
      index = counter++;
      if (classes.size() <= static_cast<std::size_t>(index)) classes.resize(static_cast<std::size_t>(index) + 1);
      classes[static_cast<std::size_t>(index)] =
          static_cast<std::uint8_t>(static_cast<std::uint8_t>(Classify(name)) | (name.empty() ? 0 : kNamed));
    } else if (tag == 0x7FFF || tag == 0xFF7F) {
      index = r.u32() & 0x7FFFFFFFu;
    } else if (tag & 0x8000u) {
      index = tag & 0x7FFFu;
    } else if (declaredDefinitions_ < 0) {
      declaredDefinitions_ = tag;
    }
    if (r.failed()) break;
    const std::uint8_t entry = static_cast<std::size_t>(index) < classes.size() ? classes[static_cast<std::size_t>(index)] : 0;
    const bool named = (entry & kNamed) != 0;
    const Cls cls = static_cast<Cls>(entry & ~kNamed);
    if (readMembers_ == expectedMembers_) inDefinition_ = false;
    switch (cls) {
      case Cls::None:
        break;
      case Cls::List: {
        CDataList d = in_.list();
        if (r.failed()) break;
        // Each member is an object of its own: a count the bytes left cannot
        // hold would take the rest of the drawing into this definition.
        const std::uint64_t room = r.remaining() / MinMemberBytes(in_.version());
        if (static_cast<std::uint32_t>(d.memberCount) > room) {
          r.failAt(tagAt, "block definition " + std::to_string(d.number) + " claims " +
                              std::to_string(static_cast<std::uint32_t>(d.memberCount)) +
                              " members, more than the " + std::to_string(r.remaining()) +
                              " bytes left can hold");
          break;
        }
        definitionAt_ = tagAt;
        out_.JWWBlocks.addDefinition(d);
        inDefinition_ = true;
        expectedMembers_ = d.memberCount;
        readMembers_ = 0;
        break;
      }
      case Cls::Sen: {
        CDataSen s = in_.line();
        if (r.failed()) break;
        Mark(out_.LayerHasLines, out_.GroupHasLines, s.head);
        store(cls, std::move(s), out_.JWWLines);
        break;
      }
      case Cls::Enko: {
        CDataEnko a = in_.arc();
        if (r.failed()) break;
        Mark(out_.LayerHasLines, out_.GroupHasLines, a.head);
        store(cls, std::move(a), out_.JWWArcs);
        break;
      }
      case Cls::Ten: {
        CDataTen p = in_.point();
        if (r.failed()) break;
        Mark(out_.LayerHasLines, out_.GroupHasLines, p.head);
        store(cls, std::move(p), out_.JWWPoints);
        break;
      }
      case Cls::Moji: {
        CDataMoji t = in_.text();
        if (r.failed()) break;
        Mark(out_.LayerHasText, out_.GroupHasText, t.head);
        store(cls, std::move(t), out_.JWWTexts);
        break;
      }
      case Cls::Solid: {
        CDataSolid s = in_.solid();
        if (r.failed()) break;
        Mark(out_.LayerHasLines, out_.GroupHasLines, s.head);
        store(cls, std::move(s), out_.JWWSolids);
        break;
      }
      case Cls::Block: {
        CDataBlock b = in_.insert();
        if (r.failed()) break;
        store(cls, std::move(b), out_.JWWInserts);
        break;
      }
      case Cls::Sunpou: {
        CDataSunpou d = in_.dimension();
        if (r.failed()) break;
        Mark(out_.LayerHasLines, out_.GroupHasLines, d.head);
        store(cls, std::move(d), out_.JWWDims);
        break;
      }
    }
    if (r.failed()) break;
    if (named) ++counter;
  }
  if (!r.failed() && !endTag) checkComplete();
}

void JwwParser::checkComplete() {
  ByteReader& r = in_.bytes();
  const std::size_t definitions = out_.JWWBlocks.definitions().size();
  if (inDefinition_ && readMembers_ < expectedMembers_) {
    r.fail("the drawing ends inside the block definition at byte " + std::to_string(definitionAt_) + ", after " +
           std::to_string(readMembers_) + " of its " + std::to_string(expectedMembers_) + " members");
  } else if (mainObjects_ < declaredCount_) {
    r.fail("the drawing ends after " + std::to_string(mainObjects_) + " of its " + std::to_string(declaredCount_) +
           " entities");
  } else if (declaredDefinitions_ < 0) {
    r.fail("the drawing ends after its " + std::to_string(declaredCount_) +
           " entities, before the count of its block definitions");
  } else if (definitions < static_cast<std::uint64_t>(declaredDefinitions_)) {
    r.fail("the drawing ends after " + std::to_string(definitions) + " of its " +
           std::to_string(declaredDefinitions_) + " block definitions");
  }
}

// Gives back the room of an array that holds less than half of what was
// reserved for it; the copy this takes is smaller than what it frees. A fuller
// array keeps its room: what was never written costs address space only.
template <class R>
void Trim(std::vector<R>& array) {
  if (array.size() < array.capacity() / 2) array.shrink_to_fit();
}

void TrimArrays(JWWDrawing& d) {
  Trim(d.JWWLines);
  Trim(d.JWWArcs);
  Trim(d.JWWPoints);
  Trim(d.JWWTexts);
  Trim(d.JWWSolids);
  Trim(d.JWWInserts);
  Trim(d.JWWDims);
}

// The state a failed or rejected read leaves: signature and version as found,
// the rest of the header untouched, nothing else.
void Reject(JWWDrawing& drawing, const JWWHead& found) {
  drawing.clearEntities();
  drawing.LayerHasLines.fill(0);
  drawing.LayerHasText.fill(0);
  drawing.GroupHasLines.fill(0);
  drawing.GroupHasText.fill(0);
  drawing.head.signature = found.signature;
  drawing.head.version = found.version;
}

Status Parse(std::span<const std::uint8_t> data, JWWDrawing& drawing, FileBytes* source) {
  ByteReader r(data);
  ArchiveReader in(r, 0);
  JWWDrawing fresh;
  JWWHead& h = fresh.head;
  h = drawing.head;  // fields a short file does not reach keep their values
  r.bytes(8, h.signature);
  if (r.failed()) {
    Reject(drawing, h);
    return MakeError("not a JWW drawing: shorter than its 8-byte signature", 0);
  }
  if (h.signature != "JwwData.") {
    Reject(drawing, h);
    return MakeError("not a JWW drawing: the signature is not \"JwwData.\"", 0);
  }
  h.version = r.u32();
  if (r.failed()) {
    Reject(drawing, h);
    return r.error();
  }
  if (!IsAcceptedVersion(h.version)) {
    Reject(drawing, h);
    return MakeError("version " + std::to_string(h.version) + " is not accepted (230 or 300 and up)", 8);
  }
  in.setVersion(h.version);
  JwwParser parser(in, fresh, source);
  parser.header(h);
  if (!r.failed()) parser.objects();
  if (r.failed()) {
    Error e = r.error();
    Reject(drawing, h);
    return e;
  }
  TrimArrays(fresh);
  drawing = std::move(fresh);
  return Status::Ok();
}

}  // namespace

Status ReadJWW(std::span<const std::uint8_t> data, JWWDrawing& drawing) { return Parse(data, drawing, nullptr); }

Status ReadJWWFile(const std::filesystem::path& path, JWWDrawing& drawing) {
  Result<FileBytes> file = ReadFileBytes(path, kMaxJWWFileBytes);
  if (!file) {
    JWWHead unchanged = drawing.head;
    Reject(drawing, unchanged);
    return file.error();
  }
  return Parse(file->bytes(), drawing, &file.value());
}

}  // namespace sw
