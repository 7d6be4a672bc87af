// The data model of a window's definition: the window unit, its menu items and its controls,
// each with geometry, flags, the kind's own stored properties and its event bindings. Plain
// data; the control runtime builds windows from it. A program writes its windows in these
// types and hands them to the runtime at start-up.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "components/services/byte_string.h"

using WindowId = uint32_t;
using UnitId = uint32_t;
using Colour = uint32_t;  // COLORREF 0x00BBGGRR

// A handler named by a definition: an index into the routines the program hands the runtime.
// The program numbers its handlers with an enumeration of its own, which converts both ways,
// so its tables and tests name handlers by that enumeration; a negative index names none.
struct HandlerRef {
  int index = -1;

  constexpr HandlerRef() = default;
  template <typename Id>
    requires std::is_enum_v<Id>
  constexpr HandlerRef(Id id) : index(static_cast<int>(id)) {}
  template <typename Id>
    requires std::is_enum_v<Id>
  constexpr operator Id() const {
    return static_cast<Id>(index);
  }
  friend constexpr bool operator==(HandlerRef, HandlerRef) = default;
};

// The system's button-face colour, resolved when drawn.
constexpr Colour kButtonFaceColour = 0xFF000000;

// A control, menu item or window, addressed by its window and its unit id.
struct UnitAddress {
  WindowId window;
  UnitId unit;
};

// The top byte of a unit id tells its class; the low 16 bits are a serial number.
constexpr uint32_t kWindowUnitClass = 0x06000000;
constexpr uint32_t kControlUnitClass = 0x16000000;
constexpr uint32_t kMenuItemUnitClass = 0x26000000;
constexpr uint32_t UnitClass(UnitId id) { return id & 0xFF000000; }

// Kind codes: component library in the high 16 bits (1 built-in, 3 the ZIP library), kind below.
enum class Kind : uint32_t {
  Window = 0x10001,
  MenuItem = 0x10003,
  DrawPanel = 0x10008,
  GroupBox = 0x10009,
  Label = 0x1000A,
  Button = 0x1000B,
  ComboBox = 0x1000E,
  ProcessBar = 0x10013,
  SliderBar = 0x10014,
  CommonDlg = 0x1001F,
  Timer = 0x10020,
  ZipComponent = 0x30001,
  CheckBox = 0x1000C,
  HotkeyBox = 0x10021,
};

// Unit flags.
constexpr uint32_t kFlagVisible = 1u << 0;
constexpr uint32_t kFlagDisabled = 1u << 1;
constexpr uint32_t kFlagTabStop = 1u << 2;
// Menu item flags.
constexpr uint32_t kMenuHidden = 1u << 0;
constexpr uint32_t kMenuDisabled = 1u << 1;
constexpr uint32_t kMenuChecked = 1u << 2;
// Sets or clears one flag of a unit's or menu item's flags.
constexpr void SetFlag(uint32_t& flags, uint32_t flag, bool on) { flags = on ? flags | flag : flags & ~flag; }

// Each kind's stored properties, with the kind's defaults as initialisers. Choices and
// booleans are plain ints, as they are stored; a font is empty (the default GUI font) or the
// 60-byte record of controls/font_record.h.
struct WindowProperties {
  int border = 2;
  int pictureMode = 0;
  Colour backColour = kButtonFaceColour;
  int maximiseButton = 1;
  int minimiseButton = 1;
  int controlButton = 1;
  int position = 0;
  int movable = 1;
  int playTimes = 0;
  int enterMovesFocus = 0;
  int escCloses = 0;
  int f1OpensHelp = 0;
  int helpId = 0;
  int showInTaskbar = 1;
  int moveByDraggingAnywhere = 0;
  int shape = 0;
  int alwaysOnTop = 0;
  int keepTitleBarActive = 0;
  std::string className{};
  ByteString backPicture{};
  ByteString icon{};
  ByteString backgroundMusic{};
  std::string caption{};
  std::string helpFile{};
};

struct MenuItemProperties {
  uint32_t hotKey = 0;  // 0 none, else an index into the key-name table
  int level = 0;        // 0 top item; 1 an item of the pop-up of the nearest item above with a lower level
  uint32_t flags = 0;   // kMenuHidden, kMenuDisabled, kMenuChecked
  std::string caption{};  // "-" makes a separator
  HandlerRef handler{};
};

struct ButtonProperties {
  int type = 0;  // 1 = the window's default push button
  int horizontalAlignment = 1;
  int verticalAlignment = 1;
  ByteString picture{};
  ByteString font{};
  std::string caption = "按钮";
};

struct LabelProperties {
  int effect = 0;
  int frameWidth = 5;
  int border = 0;
  Colour frameColours[3] = {0, 0, 0};
  Colour textColour = 0x000000;
  Colour backColour = kButtonFaceColour;
  int pictureMode = 0;
  int gradientMode = 0;
  Colour gradientColours[3] = {0, 0, 0};
  int horizontalAlignment = 0;
  int verticalAlignment = 1;
  int wordWrap = 0;
  ByteString font{};
  ByteString backPicture{};
  std::string caption{};
  std::string dataSource{};
  std::string dataColumn{};
};

struct GroupBoxProperties {
  int alignment = 0;
  Colour textColour = 0x000000;
  Colour backColour = kButtonFaceColour;
  ByteString font{};
  std::string caption{};
};

struct ComboBoxProperties {
  int type = 1;
  int maxTextLength = 0;
  int selectionStart = 0;
  int selectionLength = 0;
  int sorted = 0;
  int extraRowSpacing = 0;
  Colour textColour = 0x000000;
  Colour backColour = 0xFFFFFF;
  int currentItem = -1;
  ByteString font{};
  ByteString itemData{};
  std::string content{};
  std::vector<std::string> items{};
  std::string dataSource{};
  std::string dataColumn{};
  int further = 0;
};

struct DrawPanelProperties {
  int border = 0;
  Colour backColour = kButtonFaceColour;
  int pictureMode = 0;
  int autoRedraw = 0;
  int coordinateUnit = 0;
  int penType = 0;
  int rasterOperation = 13;
  int penWidth = 1;
  Colour penColour = 0x000000;
  int brushType = 0;
  Colour brushColour = 0xFFFFFF;
  Colour textColour = 0x000000;
  Colour textBackColour = 0xFFFFFF;
  ByteString font{};
  ByteString backPicture{};
};

struct SliderBarProperties {
  int border = 0;
  int vertical = 0;
  int tickMarks = 2;
  int tickFrequency = 1;
  int selectionEnabled = 0;
  int selectionStart = 0;
  int selectionLength = 0;
  int pageSize = 5;
  int lineSize = 1;
  int minimum = 1;
  int maximum = 10;
  int position = 1;
};

struct ProcessBarProperties {
  int border = 3;
  int vertical = 0;
  int smooth = 0;
  int minimum = 0;
  int maximum = 100;
  int position = 0;
  int markedFrom = 0;
  int markedTo = 0;
  Colour markColour = 0x000000;
};

struct CommonDlgProperties {
  int dialogType = 0;
  int initialFilterIndex = 0;
  int createPrompt = 0;
  int fileMustExist = 0;
  int overwritePrompt = 0;
  int pathMustExist = 0;
  int keepCurrentFolder = 0;
  std::string title{};
  std::string fileName{};
  std::string filter{};
  std::string initialFolder{};
  std::string defaultExtension{};
};

struct TimerProperties {
  int interval = 0;
};

struct ZipComponentProperties {};

struct CheckBoxProperties {
  int value = 0;  // 1 = checked
  ByteString font{};
  std::string caption = "复选框";
};

// A key combination in the system's hotkey registration terms: MOD_ALT, MOD_CONTROL, MOD_SHIFT
// (MOD_WIN is kept but cannot be shown) and a virtual-key code, 0 for none.
struct HotkeyBoxProperties {
  int modifiers = 0;
  int key = 0;
  ByteString font{};
};

using KindProperties =
    std::variant<WindowProperties, MenuItemProperties, ButtonProperties, LabelProperties, GroupBoxProperties,
                 ComboBoxProperties, DrawPanelProperties, SliderBarProperties, ProcessBarProperties,
                 CommonDlgProperties, TimerProperties, ZipComponentProperties, CheckBoxProperties,
                 HotkeyBoxProperties>;

struct EventBinding {
  int event;
  HandlerRef handler;
};

// One unit: the window itself, a menu item or a control.
struct UnitDefinition {
  UnitId id = 0;
  std::string name{};  // stored name, unique within its window; empty for the window and menu items
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  UnitId container = 0;  // the GroupBox or DrawPanel holding it; 0 = the window's client area
  uint32_t flags = 0;    // kFlagVisible, kFlagDisabled, kFlagTabStop
  std::string tag{};
  ByteString cursor{};  // a cursor file image; empty = the default cursor
  std::vector<EventBinding> events{};
  KindProperties properties{};
};

// The kind code follows from which properties a unit carries.
Kind KindOf(const UnitDefinition& unit);
inline bool IsMenuItem(const UnitDefinition& unit) { return std::holds_alternative<MenuItemProperties>(unit.properties); }

// A window's definition: its units in list order, the window unit first.
struct FormDefinition {
  WindowId id = 0;
  std::vector<UnitDefinition> units{};
};

// Lookups on a definition by unit id or by stored name (names are unique within one window
// only; an empty name finds nothing); null when there is none. The pointer lives as long as
// the definition's unit list is not resized.
UnitDefinition* FindUnit(FormDefinition& form, UnitId unit);
const UnitDefinition* FindUnit(const FormDefinition& form, UnitId unit);
UnitDefinition* FindUnit(FormDefinition& form, std::string_view name);
const UnitDefinition* FindUnit(const FormDefinition& form, std::string_view name);
