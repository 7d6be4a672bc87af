#include "controls/window_menu.h"

#include <string>
#include <utility>

#include "components/services/wide_text.h"
#include "controls/control_link.h"
#include "controls/event_delivery.h"
#include "controls/fatal_error.h"
#include "controls/menu_tree.h"
#include "controls/property_indexes.h"
#include "controls/property_value.h"

namespace {
bool IsOwnWindow(HWND window) {
  DWORD process = 0;
  return !window || (GetWindowThreadProcessId(window, &process) && process == GetCurrentProcessId());
}

// The window's run of menu items, in list order.
std::vector<UnitDefinition*> MenuItems(LiveWindow& state) {
  std::vector<UnitDefinition*> items;
  for (UnitDefinition& unit : state.form.units()) {
    if (std::holds_alternative<MenuItemProperties>(unit.properties)) items.push_back(&unit);
  }
  return items;
}

const MenuItemProperties& ItemOf(const UnitDefinition* unit) { return std::get<MenuItemProperties>(unit->properties); }

std::vector<MenuNode> TreeOf(const std::vector<UnitDefinition*>& items) {
  std::vector<int> levels;
  for (const UnitDefinition* item : items) levels.push_back(ItemOf(item).level);
  return BuildMenuTree(levels);
}

// The names of the hot keys a menu item can have, by their stored index (0 = none): F1 to F12,
// then Ctrl+A to Ctrl+Z.
struct HotKey {
  std::string name;
  BYTE modifiers;
  WORD key;
};
std::optional<HotKey> HotKeyOf(uint32_t index) {
  if (index >= 1 && index <= 12) {
    std::string name = "F";
    name.append(std::to_string(index));
    return HotKey{name, FVIRTKEY, static_cast<WORD>(VK_F1 + index - 1)};
  }
  if (index >= 13 && index <= 38) {
    const char letter = static_cast<char>('A' + index - 13);
    std::string name = "Ctrl+";
    name.push_back(letter);
    return HotKey{name, FVIRTKEY | FCONTROL, static_cast<WORD>(letter)};
  }
  return std::nullopt;
}

std::wstring EntryText(const MenuItemProperties& item) {
  std::string text = item.caption;
  if (const std::optional<HotKey> key = HotKeyOf(item.hotKey)) {
    text.push_back('\t');
    text.append(key->name);
  }
  return Widen(text);
}

// Appends the visible nodes to `menu`, with pop-ups for nodes that have children.
void AppendEntries(HMENU menu, const std::vector<MenuNode>& nodes, const std::vector<UnitDefinition*>& items) {
  for (const MenuNode& node : nodes) {
    const MenuItemProperties& item = ItemOf(items[node.item]);
    if (item.flags & kMenuHidden) continue;
    if (item.caption == "-") {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING;
    if (item.flags & kMenuDisabled) flags |= MF_GRAYED;
    if (item.flags & kMenuChecked) flags |= MF_CHECKED;
    UINT_PTR id = static_cast<UINT_PTR>(ControlIdOf(*items[node.item]));
    if (!node.children.empty()) {
      HMENU popup = CreatePopupMenu();
      AppendEntries(popup, node.children, items);
      flags |= MF_POPUP;
      id = reinterpret_cast<UINT_PTR>(popup);
    }
    AppendMenuW(menu, flags, id, EntryText(item).c_str());
  }
}

AcceleratorHandle MakeAccelerators(const std::vector<UnitDefinition*>& items) {
  std::vector<ACCEL> table;
  for (const UnitDefinition* unit : items) {
    if (const std::optional<HotKey> key = HotKeyOf(ItemOf(unit).hotKey)) {
      table.push_back({key->modifiers, key->key, static_cast<WORD>(ControlIdOf(*unit))});
    }
  }
  if (table.empty()) return {};
  return AcceleratorHandle(CreateAcceleratorTableW(table.data(), static_cast<int>(table.size())));
}

bool HasVisibleTopItem(const std::vector<MenuNode>& tree, const std::vector<UnitDefinition*>& items) {
  for (const MenuNode& node : tree) {
    if (!(ItemOf(items[node.item]).flags & kMenuHidden)) return true;
  }
  return false;
}
}  // namespace

void RebuildWindowMenu(LiveWindow& state) {
  const std::vector<UnitDefinition*> items = MenuItems(state);
  if (items.empty()) return;
  const std::vector<MenuNode> tree = TreeOf(items);
  MenuHandle bar;
  if (HasVisibleTopItem(tree, items)) {
    bar.reset(CreateMenu());
    AppendEntries(bar.get(), tree, items);
  }
  if (state.window) SetMenu(state.window->hwnd(), bar.get());
  state.menu = std::move(bar);
  state.accelerators = MakeAccelerators(items);
}

const UnitDefinition* MenuItemOfCommand(LiveWindow& state, int commandId) {
  for (const UnitDefinition* item : MenuItems(state)) {
    if (ControlIdOf(*item) == commandId) return item;
  }
  return nullptr;
}

void WriteMenuItemProperty(LiveWindow& state, UnitDefinition& unit, int index, const PropertyValue& value) {
  MenuItemProperties& item = std::get<MenuItemProperties>(unit.properties);
  switch (index) {
    case menu_item_property::kCaption:
      if (AsText(value) == item.caption) return;
      item.caption = AsText(value);
      break;
    case menu_item_property::kCheckMark:
      SetFlag(item.flags, kMenuChecked, AsBool(value));
      break;
    case menu_item_property::kDisabled:
      SetFlag(item.flags, kMenuDisabled, AsBool(value));
      break;
    case menu_item_property::kVisible:
      SetFlag(item.flags, kMenuHidden, !AsBool(value));
      break;
    default:
      return;
  }
  if (IsLoaded(state)) RebuildWindowMenu(state);
}

PropertyValue ReadMenuItemProperty(const UnitDefinition& unit, int index) {
  const MenuItemProperties& item = std::get<MenuItemProperties>(unit.properties);
  switch (index) {
    case menu_item_property::kCaption:
      return item.caption;
    case menu_item_property::kCheckMark:
      return static_cast<int32_t>((item.flags & kMenuChecked) != 0);
    case menu_item_property::kDisabled:
      return static_cast<int32_t>((item.flags & kMenuDisabled) != 0);
    case menu_item_property::kVisible:
      return static_cast<int32_t>((item.flags & kMenuHidden) == 0);
    default:
      return int32_t{0};
  }
}

void PopUpMenu(UnitAddress menuItem, std::optional<int> x, std::optional<int> y) {
  LiveWindow* state = FindWindowState(menuItem.window);
  if (!state || !IsLoaded(*state)) FatalRuntimeError(kNoSuchWindowOrUnit);
  const std::vector<UnitDefinition*> items = MenuItems(*state);
  size_t position = items.size();
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i]->id == menuItem.unit) position = i;
  }
  if (position == items.size()) FatalRuntimeError(kNoSuchWindowOrUnit);
  const std::vector<MenuNode> tree = TreeOf(items);
  const MenuNode* node = FindMenuNode(tree, position);
  if (!node || node->children.empty()) return;
  MenuHandle popup(CreatePopupMenu());
  AppendEntries(popup.get(), node->children, items);
  POINT at{};
  GetCursorPos(&at);
  const HWND hwnd = state->window->hwnd();
  const HWND front = GetForegroundWindow();
  // The window must be in front, or the menu would not close when the user clicks elsewhere.
  SetForegroundWindow(hwnd);
  const int chosen = static_cast<int>(TrackPopupMenu(popup.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                                     x.value_or(at.x + 3), y.value_or(at.y + 3), 0, hwnd, nullptr));
  PostMessageW(hwnd, WM_NULL, 0, 0);
  if (chosen == 0) return;
  const UnitDefinition* item = MenuItemOfCommand(*state, chosen);
  if (!item) return;
  const HWND before = std::exchange(Runtime().frontBeforeMenu, IsOwnWindow(front) ? nullptr : front);
  RaiseEvent(menuItem.window, item->id, 0);
  Runtime().frontBeforeMenu = before;
}
