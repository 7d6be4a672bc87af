// GroupBox: a framed group with a caption, and a container whose children's notifications it
// hands back to them.
#include <windows.h>
#include <commctrl.h>

#include "components/services/wide_text.h"
#include "controls/child_window.h"
#include "controls/painted/colours.h"
#include "components/services/gdi_handle.h"
#include "controls/control_link.h"
#include "controls/kinds/kind_factory.h"
#include "controls/kinds/kind_support.h"
#include "controls/property_table.h"
#include "controls/property_value.h"
#include "controls/property_indexes.h"

namespace {
using namespace group_box_property;

constexpr DWORD kAlignments[] = {BS_LEFT, BS_CENTER, BS_RIGHT};
constexpr UINT_PTR kSubclassId = 1;

class GroupBox : public Control {
 public:
  using Control::Control;

  bool Create(HWND parent) override {
    const DWORD style = BS_GROUPBOX | WS_CLIPCHILDREN | kAlignments[BringChoice(Properties().alignment, 2)];
    hwnd_ = CreateChildWindow(this, L"BUTTON", style, WS_EX_CONTROLPARENT, Properties().caption, parent);
    if (!hwnd_) return false;
    // A group box never takes the focus itself, however its flags read.
    SetWindowLongPtrW(hwnd_, GWL_STYLE, GetWindowLongPtrW(hwnd_, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_TABSTOP));
    SetWindowSubclass(hwnd_, Procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    ApplyFont(hwnd_, Properties().font, font_);
    MakeBrush();
    return true;
  }

  void WriteKindProperty(int index, const PropertyValue& value) override {
    WriteTableProperty<GroupBox>(*this, Properties(), kProperties, index, value);
  }

  PropertyValue ReadKindProperty(int index) const override {
    return ReadTableProperty<GroupBox>(*this, Properties(), kProperties, index);
  }

  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result) override {
    if (message != WM_CTLCOLORSTATIC && message != WM_CTLCOLORBTN) return false;
    const HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, ScreenColour(Properties().textColour));
    SetBkColor(dc, ScreenColour(Properties().backColour));
    *result = reinterpret_cast<LRESULT>(brush_.get());
    return true;
  }

 private:
  GroupBoxProperties& Properties() const { return std::get<GroupBoxProperties>(definition().properties); }

  void MakeBrush() { brush_.reset(CreateSolidBrush(ScreenColour(Properties().backColour))); }

  // Every write repaints the box with what it now holds.
  void Repaint() { InvalidateRect(hwnd_, nullptr, TRUE); }

  void ShowCaption() {
    SetWindowTextW(hwnd_, Widen(Properties().caption).c_str());
    Repaint();
  }

  void ShowAlignment() {
    const LONG_PTR style = (GetWindowLongPtrW(hwnd_, GWL_STYLE) & ~static_cast<LONG_PTR>(BS_CENTER)) |
                           kAlignments[Properties().alignment];
    SetWindowLongPtrW(hwnd_, GWL_STYLE, style);
    Repaint();
  }

  void ShowBackColour() {
    MakeBrush();
    Repaint();
  }

  void ShowFont() {
    ApplyFont(hwnd_, Properties().font, font_);
    Repaint();
  }

  // As a container the group box has a client area of its own, which the system control leaves
  // unpainted; it shows the back colour.
  void EraseInterior(HDC dc) const {
    RECT client;
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, brush_.get());
  }

  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    LRESULT result = 0;
    if (ReflectNotification(message, wParam, lParam, &result)) return result;
    if (message == WM_ERASEBKGND) {
      reinterpret_cast<GroupBox*>(data)->EraseInterior(reinterpret_cast<HDC>(wParam));
      return 1;
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, Procedure, kSubclassId);
    return DefSubclassProc(hwnd, message, wParam, lParam);
  }

  using Row = PropertyRow<GroupBox, GroupBoxProperties>;
  using P = GroupBoxProperties;
  static constexpr Row kPropertyRows[] = {
      {kCaption, &P::caption, kAsIs, &GroupBox::ShowCaption},
      {kAlignment, &P::alignment, Choice(2), &GroupBox::ShowAlignment},
      {kTextColour, &P::textColour, kAsIs, &GroupBox::Repaint},
      {kBackColour, &P::backColour, kAsIs, &GroupBox::ShowBackColour},
      {kFont, &P::font, kAsIs, &GroupBox::ShowFont},
  };
  static constexpr std::span<const Row> kProperties{kPropertyRows};

  FontHandle font_;
  BrushHandle brush_;
};
}  // namespace

std::unique_ptr<Control> MakeGroupBox(WindowId window, UnitDefinition& unit) {
  return std::make_unique<GroupBox>(window, unit);
}
