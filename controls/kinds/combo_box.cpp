// ComboBox: a system combo box with a vertical scroll bar and automatic horizontal scrolling of
// its edit field; the drop-down types are made tall enough for their list.
#include <windows.h>
#include <commctrl.h>

#include "components/services/wide_text.h"
#include "controls/child_window.h"
#include "controls/painted/colours.h"
#include "components/services/gdi_handle.h"
#include "controls/kinds/kind_factory.h"
#include "controls/kinds/kind_support.h"
#include "controls/property_value.h"
#include "controls/property_indexes.h"

namespace {
using namespace combo_box_property;

constexpr DWORD kTypeStyles[] = {CBS_SIMPLE, CBS_DROPDOWN, CBS_DROPDOWNLIST};
constexpr int kDropDownHeight = 160;
constexpr UINT_PTR kSubclassId = 1;
// The items property as one text: the items one per line.
constexpr char kItemSeparator[] = "\r\n";

std::vector<std::string> SplitItems(const std::string& text) {
  std::vector<std::string> items;
  if (text.empty()) return items;
  size_t start = 0;
  for (size_t end; (end = text.find(kItemSeparator, start)) != std::string::npos; start = end + 2) {
    items.push_back(text.substr(start, end - start));
  }
  items.push_back(text.substr(start));
  return items;
}

std::string JoinItems(const std::vector<std::string>& items) {
  std::string text;
  for (size_t i = 0; i < items.size(); ++i) text += (i ? kItemSeparator : "") + items[i];
  return text;
}

class ComboBox : public Control {
 public:
  using Control::Control;

  bool Create(HWND parent) override {
    const ComboBoxProperties& combo = Properties();
    DWORD style = WS_VSCROLL | CBS_AUTOHSCROLL | kTypeStyles[BringChoice(combo.type, 2)];
    if (combo.sorted) style |= CBS_SORT;
    const UnitDefinition& unit = definition();
    hwnd_ = CreateChildWindow(this, WC_COMBOBOXW, style, 0, combo.type == 2 ? "" : combo.content, parent);
    if (!hwnd_) return false;
    if (combo.type != 0 && unit.height < kDropDownHeight)
      SetWindowPos(hwnd_, nullptr, 0, 0, unit.width, kDropDownHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowSubclass(hwnd_, Procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    ApplyFont(hwnd_, combo.font, font_);
    MakeBrush();
    FillItems();
    ApplyRowSpacing();
    SendMessageW(hwnd_, CB_LIMITTEXT, static_cast<WPARAM>(combo.maxTextLength), 0);
    return true;
  }

  void WriteKindProperty(int index, const PropertyValue& value) override {
    ComboBoxProperties& combo = Properties();
    switch (index) {
      case kType:
        combo.type = BringChoice(AsInt(value), 2);
        RecreateControl(*this);
        break;
      case kSorted:
        combo.sorted = AsBool(value);
        RecreateControl(*this);
        break;
      case kContent:
        combo.content = AsText(value);
        if (combo.type != 2) SetWindowTextW(hwnd_, Widen(combo.content).c_str());
        break;
      case kMaxTextLength:
        combo.maxTextLength = BringInto(AsInt(value), 0, 32767);
        SendMessageW(hwnd_, CB_LIMITTEXT, static_cast<WPARAM>(combo.maxTextLength), 0);
        break;
      case kSelectionStart:
      case kSelectionLength:
        (index == kSelectionStart ? combo.selectionStart : combo.selectionLength) = AsInt(value);
        SendMessageW(hwnd_, CB_SETEDITSEL, 0, MAKELPARAM(combo.selectionStart, combo.selectionStart + combo.selectionLength));
        break;
      case kExtraRowSpacing:
        combo.extraRowSpacing = AsInt(value);
        ApplyRowSpacing();
        break;
      case kTextColour:
      case kBackColour:
        (index == kTextColour ? combo.textColour : combo.backColour) = static_cast<Colour>(AsInt(value));
        MakeBrush();
        InvalidateRect(hwnd_, nullptr, TRUE);
        break;
      case kFont:
        combo.font = AsBytes(value);
        ApplyFont(hwnd_, combo.font, font_);
        break;
      case kCurrentItem:
        combo.currentItem = AsInt(value);
        ShowCurrentItem();
        break;
      case kItems:
        combo.items = SplitItems(AsText(value));
        FillItems();
        break;
      case kItemData:
        combo.itemData = AsBytes(value);
        break;
      case kDataSource:
        combo.dataSource = AsText(value);
        break;
      case kDataColumn:
        combo.dataColumn = AsText(value);
        break;
      case kFurther:
        combo.further = AsInt(value);
        break;
      default:
        break;
    }
  }

  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result) override {
    if (!IsColourMessage(message)) return false;
    *result = ColourDc(wParam);
    return true;
  }

  PropertyValue ReadKindProperty(int index) const override {
    const ComboBoxProperties& combo = Properties();
    switch (index) {
      case kType: return combo.type;
      case kContent: return combo.type == 2 ? combo.content : WindowText();
      case kMaxTextLength: return combo.maxTextLength;
      case kSelectionStart: return combo.selectionStart;
      case kSelectionLength: return combo.selectionLength;
      case kSelectedText: return SelectedText();
      case kSorted: return combo.sorted;
      case kExtraRowSpacing: return combo.extraRowSpacing;
      case kTextColour: return static_cast<int32_t>(combo.textColour);
      case kBackColour: return static_cast<int32_t>(combo.backColour);
      case kFont: return combo.font;
      case kCurrentItem: return static_cast<int32_t>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0));
      case kItems: return JoinItems(combo.items);
      case kItemData: return combo.itemData;
      case kDataSource: return combo.dataSource;
      case kDataColumn: return combo.dataColumn;
      case kFurther: return combo.further;
      default: return int32_t{0};
    }
  }

 private:
  ComboBoxProperties& Properties() const { return std::get<ComboBoxProperties>(definition().properties); }

  std::string WindowText() const {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
  }

  std::string SelectedText() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(hwnd_, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::wstring text = Widen(WindowText());
    if (start >= end || end > text.size()) return {};
    return Narrow(text.substr(start, end - start));
  }

  void FillItems() {
    SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : Properties().items) {
      SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
    ShowCurrentItem();
  }

  // The current item is brought into -1 .. item count - 1; -1 selects nothing.
  void ShowCurrentItem() {
    ComboBoxProperties& combo = Properties();
    combo.currentItem = BringInto(combo.currentItem, -1, static_cast<int32_t>(combo.items.size()) - 1);
    SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(combo.currentItem), 0);
  }

  void ApplyRowSpacing() {
    if (baseItemHeight_ == 0) baseItemHeight_ = static_cast<int>(SendMessageW(hwnd_, CB_GETITEMHEIGHT, 0, 0));
    SendMessageW(hwnd_, CB_SETITEMHEIGHT, 0, baseItemHeight_ + Properties().extraRowSpacing);
  }

  void MakeBrush() { brush_.reset(CreateSolidBrush(ScreenColour(Properties().backColour))); }

  static bool IsColourMessage(UINT message) {
    return message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX || message == WM_CTLCOLORSTATIC;
  }

  LRESULT ColourDc(WPARAM dc) const {
    SetTextColor(reinterpret_cast<HDC>(dc), ScreenColour(Properties().textColour));
    SetBkColor(reinterpret_cast<HDC>(dc), ScreenColour(Properties().backColour));
    return reinterpret_cast<LRESULT>(brush_.get());
  }

  // The combo box's edit field and list report their colours to it before it passes them on.
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    if (IsColourMessage(message)) return reinterpret_cast<ComboBox*>(data)->ColourDc(wParam);
    if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, Procedure, kSubclassId);
    return DefSubclassProc(hwnd, message, wParam, lParam);
  }

  FontHandle font_;
  BrushHandle brush_;
  int baseItemHeight_ = 0;
};
}  // namespace

std::unique_ptr<Control> MakeComboBox(WindowId window, UnitDefinition& unit) {
  return std::make_unique<ComboBox>(window, unit);
}
