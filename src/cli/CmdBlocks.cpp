// sheetwright-cli blocks DRAWING.jww: the block tree of a drawing as JSON.
// The root is {"text": "BlockTree", "cut": false, "children": [...]}, where
// "cut" tells that the tree's bounds left inserts out; every insert node
// holds its text, the inserted block's number, its placement and its
// children, as the frame panel's block tree has them.
#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "core/Path.h"
#include "jww/BlockTree.h"
#include "jww/Reader.h"
#include "render/Redraw.h"

namespace sw::cli {
namespace {

// The tree follows nested blocks as deep as the redraw draws them, and never
// further than the redraw's budget.
static_assert(kBlockTreeMaxDepth == kMaxBlockDepth && kBlockTreeBudget <= kBlockBudget);

Json Nodes(const std::vector<BlockTreeNode>& nodes) {
  Json out = Json::array();
  for (const BlockTreeNode& n : nodes) {
    const TBlockNodeData& d = n.data;
    out.push_back({{"text", Cp932Text(n.text)},
                   {"number", d.blockNumber},
                   {"x", d.x},
                   {"y", d.y},
                   {"angle", d.angle},
                   {"scaleX", d.scaleX},
                   {"scaleY", d.scaleY},
                   {"children", Nodes(n.children)}});
  }
  return out;
}

}  // namespace

int RunBlocks(const Args& args) {
  if (args.size() != 1) return ReportUsage("blocks DRAWING.jww");
  JWWDrawing d;
  if (Status s = ReadJWWFile(PathFromUtf8(args[0]), d); !s) return ReportBadInput(args[0], s.error());
  const BlockTree tree = BuildBlockTree(d);
  PrintJson({{"text", kBlockTreeRootText}, {"cut", tree.cut}, {"children", Nodes(tree.nodes)}});
  return 0;
}

}  // namespace sw::cli
