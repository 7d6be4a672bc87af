// ComboBox: a system combo box with a vertical scroll bar and automatic horizontal scrolling of
// its edit field; the drop-down types are made tall enough for their list. The user's choice of
// another item raises selection changed.
#include <windows.h>
#include <commctrl.h>

#include "components/services/wide_text.h"
#include "controls/child_window.h"
#include "controls/painted/colours.h"
#include "components/services/gdi_handle.h"
#include "controls/event_delivery.h"
#include "controls/event_index.h"
#include "controls/kinds/kind_factory.h"
#include "controls/kinds/kind_support.h"
#include "controls/property_table.h"
#include "controls/property_value.h"
#include "controls/property_indexes.h"

namespace {
using namespace combo_box_property;

constexpr DWORD kTypeStyles[] = {CBS_SIMPLE, CBS_DROPDOWN, CBS_DROPDOWNLIST};
constexpr int kDropDownHeight = 160;
constexpr UINT_PTR kSubclassId = 1;
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
    ApplyOwnFont();
    MakeBrush();
    FillItems();
    ApplyRowSpacing();
    ApplyTextLimit();
    return true;
  }

  void WriteKindProperty(int index, const PropertyValue& value) override {
    WriteTableProperty<ComboBox>(*this, Properties(), kProperties, index, value);
  }

  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result) override {
    if (message == WM_COMMAND && HIWORD(wParam) == CBN_SELCHANGE) {
      *result = 0;
      // Nothing of this object is touched after the handler: it may have destroyed the window.
      RaiseEvent(window(), definition().id, ComboBoxEvent::kSelectionChanged);
      return true;
    }
    if (!IsColourMessage(message)) return false;
    *result = ColourDc(wParam);
    return true;
  }

  PropertyValue ReadKindProperty(int index) const override {
    return ReadTableProperty<ComboBox>(*this, Properties(), kProperties, index);
  }

 private:
  ComboBoxProperties& Properties() const { return std::get<ComboBoxProperties>(definition().properties); }

  void Recreate() { RecreateControl(*this); }

  void ShowContent() {
    if (Properties().type != 2) SetWindowTextW(hwnd_, Widen(Properties().content).c_str());
  }

  // A drop-down list keeps its stored content; the other types show what the edit field holds.
  PropertyValue ShownContent() const { return Properties().type == 2 ? Properties().content : WindowText(); }

  void ApplyTextLimit() { SendMessageW(hwnd_, CB_LIMITTEXT, static_cast<WPARAM>(Properties().maxTextLength), 0); }

  void ApplySelection() {
    const ComboBoxProperties& combo = Properties();
    SendMessageW(hwnd_, CB_SETEDITSEL, 0, MAKELPARAM(combo.selectionStart, combo.selectionStart + combo.selectionLength));
  }

  void ApplyColours() {
    MakeBrush();
    InvalidateRect(hwnd_, nullptr, TRUE);
  }

  void ApplyOwnFont() { ApplyFont(hwnd_, Properties().font, font_); }

  PropertyValue ShownCurrentItem() const { return static_cast<int32_t>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0)); }

  std::string WindowText() const {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
  }

  PropertyValue SelectedText() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(hwnd_, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::wstring text = Widen(WindowText());
    if (start >= end || end > text.size()) return std::string();
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

  using Row = PropertyRow<ComboBox, ComboBoxProperties>;
  using P = ComboBoxProperties;
  static constexpr Row kPropertyRows[] = {
      {kType, &P::type, Choice(2), &ComboBox::Recreate},
      {kContent, &P::content, kAsIs, &ComboBox::ShowContent, false, &ComboBox::ShownContent},
      {kMaxTextLength, &P::maxTextLength, Range(0, 32767), &ComboBox::ApplyTextLimit},
      {kSelectionStart, &P::selectionStart, kAsIs, &ComboBox::ApplySelection},
      {kSelectionLength, &P::selectionLength, kAsIs, &ComboBox::ApplySelection},
      {kSelectedText, {}, kAsIs, nullptr, false, &ComboBox::SelectedText},
      {kSorted, &P::sorted, kBoolean, &ComboBox::Recreate},
      {kExtraRowSpacing, &P::extraRowSpacing, kAsIs, &ComboBox::ApplyRowSpacing},
      {kTextColour, &P::textColour, kAsIs, &ComboBox::ApplyColours},
      {kBackColour, &P::backColour, kAsIs, &ComboBox::ApplyColours},
      {kFont, &P::font, kAsIs, &ComboBox::ApplyOwnFont},
      {kCurrentItem, &P::currentItem, kAsIs, &ComboBox::ShowCurrentItem, false, &ComboBox::ShownCurrentItem},
      {kItems, &P::items, kAsIs, &ComboBox::FillItems},
      {kItemData, &P::itemData},
      {kDataSource, &P::dataSource},
      {kDataColumn, &P::dataColumn},
      {kFurther, &P::further},
  };
  static constexpr std::span<const Row> kProperties{kPropertyRows};

  FontHandle font_;
  BrushHandle brush_;
  int baseItemHeight_ = 0;
};
}  // namespace

std::unique_ptr<Control> MakeComboBox(WindowId window, UnitDefinition& unit) {
  return std::make_unique<ComboBox>(window, unit);
}
