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
    GroupBoxProperties& group = Properties();
    switch (index) {
      case kCaption:
        group.caption = AsText(value);
        SetWindowTextW(hwnd_, Widen(group.caption).c_str());
        break;
      case kAlignment: {
        group.alignment = BringChoice(AsInt(value), 2);
        const LONG_PTR style = (GetWindowLongPtrW(hwnd_, GWL_STYLE) & ~static_cast<LONG_PTR>(BS_CENTER)) |
                               kAlignments[group.alignment];
        SetWindowLongPtrW(hwnd_, GWL_STYLE, style);
        break;
      }
      case kTextColour:
        group.textColour = static_cast<Colour>(AsInt(value));
        break;
      case kBackColour:
        group.backColour = static_cast<Colour>(AsInt(value));
        MakeBrush();
        break;
      case kFont:
        group.font = AsBytes(value);
        ApplyFont(hwnd_, group.font, font_);
        break;
      default:
        return;
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
  }

  PropertyValue ReadKindProperty(int index) const override {
    const GroupBoxProperties& group = Properties();
    switch (index) {
      case kCaption: return group.caption;
      case kAlignment: return group.alignment;
      case kTextColour: return static_cast<int32_t>(group.textColour);
      case kBackColour: return static_cast<int32_t>(group.backColour);
      case kFont: return group.font;
      default: return int32_t{0};
    }
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

  FontHandle font_;
  BrushHandle brush_;
};
}  // namespace

std::unique_ptr<Control> MakeGroupBox(WindowId window, UnitDefinition& unit) {
  return std::make_unique<GroupBox>(window, unit);
}
