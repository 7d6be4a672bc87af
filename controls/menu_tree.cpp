#include "controls/menu_tree.h"

namespace {
// Places the items from `next` on whose level is above `parentLevel` under `siblings`.
void TakeChildren(const std::vector<int>& levels, size_t& next, int parentLevel, std::vector<MenuNode>& siblings) {
  while (next < levels.size() && levels[next] > parentLevel) {
    MenuNode node{next, {}};
    const int level = levels[next];
    ++next;
    TakeChildren(levels, next, level, node.children);
    siblings.push_back(std::move(node));
  }
}
}  // namespace

std::vector<MenuNode> BuildMenuTree(const std::vector<int>& levels) {
  std::vector<int> clamped;
  for (int level : levels) clamped.push_back(level < 0 ? 0 : level);
  std::vector<MenuNode> tree;
  size_t next = 0;
  TakeChildren(clamped, next, -1, tree);
  return tree;
}

const MenuNode* FindMenuNode(const std::vector<MenuNode>& tree, size_t item) {
  for (const MenuNode& node : tree) {
    if (node.item == item) return &node;
    if (const MenuNode* found = FindMenuNode(node.children, item)) return found;
  }
  return nullptr;
}
