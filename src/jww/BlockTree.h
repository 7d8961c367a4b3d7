// The block tree of a drawing: a root, under it one node per top-level
// insert (JWWInserts), and under each insert node the inserts found among
// the members of its block definition, to any depth. Each insert node
// carries the insert's placement. Built afresh whenever a drawing is opened;
// the frame panel and sheetwright-cli show it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "jww/Drawing.h"

namespace sw {

// Bounds of the walk over nested definitions. The depth is the sheet
// redraw's kMaxBlockDepth (render/Redraw.h; render sits above jww, so the
// number is mirrored here and sheetwright-cli checks that both agree). The
// redraw's kBlockBudget (4,000,000 members) bounds cheap draw calls, while
// the tree keeps every node and the frame panel shows it (about 10 us and
// 0.8 kB a node), so the tree stops at kBlockTreeBudget nodes. With the
// redraw's number, a 20 kB drawing whose blocks insert each other twice over
// 30 levels would hold the window for most of a minute and take gigabytes.
inline constexpr int kBlockTreeMaxDepth = 32;
inline constexpr long long kBlockTreeBudget = 100'000;

// Text of the root node.
inline constexpr std::string_view kBlockTreeRootText = "BlockTree";

// The placement of one insert, attached to its node.
struct TBlockNodeData {
  double x = 0, y = 0;  // insertion point, drawing mm
  double angle = 0;     // radians
  double scaleX = 0, scaleY = 0;
  std::int32_t blockNumber = 0;  // `number` of the inserted CDataList

  TBlockNodeData() = default;
  TBlockNodeData(std::int32_t number, const CDataBlock& insert)
      : x(insert.x), y(insert.y), angle(insert.angle), scaleX(insert.scaleX), scaleY(insert.scaleY),
        blockNumber(number) {}
  bool operator==(const TBlockNodeData&) const = default;
};

struct BlockTreeNode {
  std::string text;  // CP932
  TBlockNodeData data;
  std::vector<BlockTreeNode> children;
  bool operator==(const BlockTreeNode&) const = default;
};

struct BlockTree {
  // The children of the root node (kBlockTreeRootText), which has no payload.
  std::vector<BlockTreeNode> nodes;
  std::size_t nodeCount = 0;  // insert nodes at all levels; the root is not counted
  // Inserts were left out because the budget ran out or the nesting went
  // deeper than kBlockTreeMaxDepth (self-insertion is not counted as a cut).
  bool cut = false;
};

// A definition name as a node shows it: the characters before the first
// "@@" (empty when the name begins with it), or the whole name when it holds
// none. The marker is looked for at character boundaries, so the trail byte
// 0x40 of a double-byte character never starts one.
std::string BlockNodeText(std::string_view cp932Name);

// Builds the tree of `inserts` over the definitions in `blocks`.
//
// - Top-level nodes follow `inserts`; the children of a node are the insert
//   members of its definition, visited from the last member to the first.
//   Then every level is sorted once by text: byte by byte with ASCII
//   letters compared without case, then texts equal but for case by their
//   bytes; equal texts keep their visiting order.
// - The definition of an insert is the last one carrying its number; the
//   members are those of the first one, up to the last one's memberCount
//   (the lookups of TJWWBlockList, as the redraw uses them).
// - An insert of a number that no definition carries gets an empty text
//   and no children.
// - An insert of a definition already on the path from the root is shown
//   but not followed, so self-insertion, direct or through other
//   definitions, ends there.
// - Nodes are made down to kBlockTreeMaxDepth levels below the root; every
//   insert visited takes one from `budget` (kBlockTreeBudget but in tests),
//   and at 0 the rest is left out. `cut` tells when either bound left
//   inserts out.
BlockTree BuildBlockTree(const std::vector<CDataBlock>& inserts, const TJWWBlockList& blocks,
                         long long budget = kBlockTreeBudget);
inline BlockTree BuildBlockTree(const JWWDrawing& d) { return BuildBlockTree(d.JWWInserts, d.JWWBlocks); }

// A fingerprint (64-bit FNV-1a) of everything the tree is built from: the
// top-level inserts, the definitions, and the kinds of the block members
// with the placements of those that are inserts. Equal drawings give equal
// keys, and a change to any of that changes the key but for a hash
// collision, so a view can rebuild only when the key changes. Linear in the
// size of the block store.
std::uint64_t BlockTreeKey(const JWWDrawing& d);

}  // namespace sw
