// Button: a push button with a multi-line caption, or a picture instead of it; clicked on a
// mouse click, the Space key, or Enter while it is the window's default (default_push_button.h).
#include <windows.h>
#include <commctrl.h>

#include "controls/child_window.h"
#include "controls/default_push_button.h"
#include "controls/icon_file.h"
#include "controls/painted/decoded_picture.h"
#include "controls/kinds/kind_factory.h"
#include "controls/kinds/kind_support.h"
#include "controls/event_delivery.h"
#include "controls/property_table.h"
#include "controls/property_value.h"
#include "components/services/wide_text.h"
#include "controls/event_index.h"
#include "controls/property_indexes.h"

namespace {
using namespace button_property;

constexpr DWORD kHorizontal[] = {BS_LEFT, BS_CENTER, BS_RIGHT};
constexpr DWORD kVertical[] = {BS_TOP, BS_VCENTER, BS_BOTTOM};
constexpr UINT_PTR kSubclassId = 1;
constexpr DWORD kButtonLayoutBits = BS_CENTER | BS_VCENTER | BS_DEFPUSHBUTTON | BS_ICON | BS_BITMAP;

// A picture other than an icon, as a bitmap of its own size; empty when it cannot be decoded.
BitmapHandle PictureBitmap(const ByteString& bytes) {
  const std::unique_ptr<DecodedPicture> picture = DecodedPicture::Decode(bytes);
  if (!picture) return {};
  WindowDc screen(nullptr);
  MemoryDc memory(CreateCompatibleDC(screen.get()));
  BitmapHandle bitmap(CreateCompatibleBitmap(screen.get(), picture->width(), picture->height()));
  if (!memory || !bitmap) return {};
  Selection selected(memory.get(), bitmap.get());
  picture->Draw(memory.get(), {0, 0, picture->width(), picture->height()}, 0);
  return bitmap;
}

class Button : public Control {
 public:
  using Control::Control;

  bool Create(HWND parent) override {
    hwnd_ = CreateChildWindow(this, L"BUTTON", BS_PUSHBUTTON | BS_MULTILINE | LayoutStyle(), 0, Properties().caption, parent);
    if (!hwnd_) return false;
    SetWindowSubclass(hwnd_, Procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    ShowFont();
    ApplyPicture();
    return true;
  }

  void WriteKindProperty(int index, const PropertyValue& value) override {
    WriteTableProperty<Button>(*this, Properties(), kProperties, index, value);
  }

  PropertyValue ReadKindProperty(int index) const override {
    return ReadTableProperty<Button>(*this, Properties(), kProperties, index);
  }

  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result) override {
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
    *result = 0;
    // Nothing of this object is touched after the handler: it may have destroyed the window.
    RaiseEvent(window(), definition().id, ButtonEvent::kClicked);
    return true;
  }

 private:
  ButtonProperties& Properties() const { return std::get<ButtonProperties>(definition().properties); }

  // Whether this button is the window's default now: the stored default while it is being made,
  // afterwards by the focus rule.
  bool IsDefaultNow() const {
    if (!hwnd_) return Properties().type == 1;
    return DefaultPushButton(window(), GetFocus()) == hwnd_;
  }

  DWORD LayoutStyle() const {
    const ButtonProperties& button = Properties();
    DWORD style = kHorizontal[BringChoice(button.horizontalAlignment, 2)] | kVertical[BringChoice(button.verticalAlignment, 2)];
    if (IsDefaultNow()) style |= BS_DEFPUSHBUTTON;
    if (icon_) style |= BS_ICON;
    if (bitmap_) style |= BS_BITMAP;
    return style;
  }

  void ApplyLayout() {
    const LONG_PTR style = (GetWindowLongPtrW(hwnd_, GWL_STYLE) & ~static_cast<LONG_PTR>(kButtonLayoutBits)) | LayoutStyle();
    SendMessageW(hwnd_, BM_SETSTYLE, static_cast<WPARAM>(style & 0xFFFF), TRUE);
    SetWindowLongPtrW(hwnd_, GWL_STYLE, style);
    InvalidateRect(hwnd_, nullptr, TRUE);
  }

  // An icon file shows as icon instead of the caption, any other picture as bitmap; without a
  // picture that can be shown the caption stays.
  void ApplyPicture() {
    icon_ = MakeIcon(Properties().picture, GetSystemMetrics(SM_CXICON));
    bitmap_ = icon_ ? BitmapHandle() : PictureBitmap(Properties().picture);
    ApplyLayout();
    if (icon_) SendMessageW(hwnd_, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon_.get()));
    if (bitmap_) SendMessageW(hwnd_, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap_.get()));
  }

  // The focus coming to a push button, or leaving it for another control of the window, moves
  // the default with it.
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, Procedure, kSubclassId);
    const WindowId window = reinterpret_cast<Button*>(data)->window();
    const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
    if (message == WM_SETFOCUS) ShowDefaultPushButton(window, hwnd);
    if (message == WM_KILLFOCUS) ShowDefaultPushButton(window, reinterpret_cast<HWND>(wParam));
    return result;
  }

  void ShowCaption() { SetWindowTextW(hwnd_, Widen(Properties().caption).c_str()); }
  void ShowFont() { ApplyFont(hwnd_, Properties().font, font_); }

  using Row = PropertyRow<Button, ButtonProperties>;
  using P = ButtonProperties;
  static constexpr Row kPropertyRows[] = {
      {kPicture, &P::picture, kAsIs, &Button::ApplyPicture},
      {kType, &P::type, Choice(1), &Button::ApplyLayout},
      {kCaption, &P::caption, kAsIs, &Button::ShowCaption},
      {kHorizontalAlignment, &P::horizontalAlignment, Choice(2), &Button::ApplyLayout},
      {kVerticalAlignment, &P::verticalAlignment, Choice(2), &Button::ApplyLayout},
      {kFont, &P::font, kAsIs, &Button::ShowFont},
  };
  static constexpr std::span<const Row> kProperties{kPropertyRows};

  FontHandle font_;
  IconHandle icon_;
  BitmapHandle bitmap_;
};
}  // namespace

std::unique_ptr<Control> MakeButton(WindowId window, UnitDefinition& unit) {
  return std::make_unique<Button>(window, unit);
}
