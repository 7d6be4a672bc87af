// The menu tree of a window, built from its run of menu items by their levels: an item of a
// higher level than the item above it opens that item's pop-up. Pure; the menu adapters turn
// it into system menus.
#pragma once
#include <cstddef>
#include <vector>

struct MenuNode {
  size_t item;  // position in the run of menu items
  std::vector<MenuNode> children;
};

// The top items with their pop-ups. An item is a child of the nearest item above it with a
// lower level; a first item above level 0 has no such item and becomes a top item.
std::vector<MenuNode> BuildMenuTree(const std::vector<int>& levels);

// The node of `item` in the tree, or null when it is not there.
const MenuNode* FindMenuNode(const std::vector<MenuNode>& tree, size_t item);
