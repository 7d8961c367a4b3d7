#include "jww/BlockTree.h"

#include <algorithm>
#include <unordered_map>

#include "core/Cp932.h"

namespace sw {

namespace {

// What the walk needs of one block number, gathered once per number.
struct BlockEntry {
  std::string text;
  std::vector<const CDataBlock*> inserts;  // insert members, last member first
};

using BlockIndex = std::unordered_map<std::int32_t, BlockEntry>;

// One pass over the store rather than a lookup per number, which would be
// quadratic in the number of definitions. As in TJWWBlockList, definition
// k's members follow those of definitions 0..k-1; a number's name and
// member count come from its last definition, its members from its first.
BlockIndex IndexBlocks(const TJWWBlockList& blocks) {
  struct Found {
    std::size_t firstMember;
    std::int32_t firstCount;
    const CDataList* last;
  };
  std::unordered_map<std::int32_t, Found> found;
  std::size_t next = 0;
  for (const CDataList& def : blocks.definitions()) {
    if (def.number >= 0) {
      const auto at = found.try_emplace(def.number, Found{next, def.memberCount, &def}).first;
      at->second.last = &def;
    }
    next += static_cast<std::size_t>(std::max(def.memberCount, 0));
  }
  const std::vector<JWWMember>& members = blocks.members();
  BlockIndex index;
  for (const auto& [number, f] : found) {
    BlockEntry& e = index[number];
    e.text = BlockNodeText(f.last->name);
    const std::size_t stored = f.firstMember < members.size() ? members.size() - f.firstMember : 0;
    const std::size_t n = std::min({stored, static_cast<std::size_t>(std::max(f.firstCount, 0)),
                                    static_cast<std::size_t>(std::max(f.last->memberCount, 0))});
    for (std::size_t j = n; j-- > 0;)
      if (const auto* insert = std::get_if<CDataBlock>(&members[f.firstMember + j]))
        e.inserts.push_back(insert);
  }
  return index;
}

struct Walk {
  Walk(const BlockIndex& i, long long b) : index(i), budget(b) {}
  const BlockIndex& index;
  long long budget;
  std::vector<std::int32_t> path;  // numbers of the definitions above the node being made
  BlockTree tree;

  // Adds `insert` to `into` as a node `level` levels below the root (1 for
  // a top-level insert), with its subtree.
  void add(const CDataBlock& insert, std::vector<BlockTreeNode>& into, int level) {
    if (budget <= 0) {
      tree.cut = true;
      return;
    }
    --budget;
    ++tree.nodeCount;
    // `node` stays valid: the recursion below appends to its children only.
    BlockTreeNode& node = into.emplace_back();
    node.data = TBlockNodeData(insert.blockNumber, insert);
    const auto found = index.find(insert.blockNumber);
    if (found == index.end()) return;
    const BlockEntry& e = found->second;
    node.text = e.text;
    if (std::find(path.begin(), path.end(), insert.blockNumber) != path.end()) return;
    if (e.inserts.empty()) return;
    if (level >= kBlockTreeMaxDepth) {
      tree.cut = true;
      return;
    }
    path.push_back(insert.blockNumber);
    node.children.reserve(e.inserts.size());
    for (const CDataBlock* member : e.inserts) add(*member, node.children, level + 1);
    path.pop_back();
  }
};

unsigned char Folded(unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c; }

// Order of node texts: byte by byte with ASCII letters folded to lower case
// (the second byte of a double-byte character is compared as it is); texts
// equal but for case go by their bytes, so only equal texts tie.
bool TextBefore(const std::string& a, const std::string& b) {
  const std::size_t n = std::min(a.size(), b.size());
  bool trail = false;
  for (std::size_t i = 0; i < n; ++i) {
    unsigned char ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[i]);
    if (!trail) {
      ca = Folded(ca);
      cb = Folded(cb);
    }
    if (ca != cb) return ca < cb;
    // Equal so far, so both texts agree on where characters begin.
    trail = !trail && IsLeadByte(static_cast<unsigned char>(a[i]));
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

void SortLevels(std::vector<BlockTreeNode>& nodes) {
  std::stable_sort(nodes.begin(), nodes.end(),
                   [](const BlockTreeNode& a, const BlockTreeNode& b) { return TextBefore(a.text, b.text); });
  for (BlockTreeNode& n : nodes) SortLevels(n.children);
}

// 64-bit FNV-1a.
struct Fingerprint {
  std::uint64_t h = 14695981039346656037ull;
  void bytes(const void* p, std::size_t n) {
    const auto* c = static_cast<const unsigned char*>(p);
    for (std::size_t i = 0; i < n; ++i) h = (h ^ c[i]) * 1099511628211ull;
  }
  template <class T>
  void value(const T& v) {
    bytes(&v, sizeof v);
  }
  void text(const std::string& s) {
    value(s.size());
    bytes(s.data(), s.size());
  }
  void insert(const CDataBlock& b) {
    const double placement[5] = {b.x, b.y, b.angle, b.scaleX, b.scaleY};
    bytes(placement, sizeof placement);
    value(b.blockNumber);
  }
};

}  // namespace

std::string BlockNodeText(std::string_view name) {
  for (std::size_t i = 0; i + 1 < name.size(); ++i) {
    if (name[i] == '@' && name[i + 1] == '@') return std::string(name.substr(0, i));
    if (IsLeadByte(static_cast<unsigned char>(name[i]))) ++i;
  }
  return std::string(name);
}

BlockTree BuildBlockTree(const std::vector<CDataBlock>& inserts, const TJWWBlockList& blocks,
                         long long budget) {
  const BlockIndex index = IndexBlocks(blocks);
  Walk walk(index, budget);
  walk.tree.nodes.reserve(inserts.size());
  for (const CDataBlock& insert : inserts) walk.add(insert, walk.tree.nodes, 1);
  SortLevels(walk.tree.nodes);
  return std::move(walk.tree);
}

std::uint64_t BlockTreeKey(const JWWDrawing& d) {
  Fingerprint f;
  f.value(d.JWWInserts.size());
  for (const CDataBlock& b : d.JWWInserts) f.insert(b);
  const TJWWBlockList& blocks = d.JWWBlocks;
  f.value(blocks.definitions().size());
  for (const CDataList& def : blocks.definitions()) {
    f.value(def.number);
    f.value(def.memberCount);
    f.text(def.name);
  }
  f.value(blocks.members().size());
  for (const JWWMember& m : blocks.members()) {
    f.value(static_cast<std::uint8_t>(m.index()));
    if (const auto* insert = std::get_if<CDataBlock>(&m)) f.insert(*insert);
  }
  return f.h;
}

}  // namespace sw
