// Label: a static text the runtime paints itself. The effect, gradient and data properties are
// kept and read back but not drawn; the program's labels use none of them.
#include <algorithm>

#include "components/services/wide_text.h"
#include "controls/kinds/kind_factory.h"
#include "controls/painted/back_picture.h"
#include "controls/painted/border_style.h"
#include "controls/painted/colours.h"
#include "controls/painted/label_layout.h"
#include "controls/painted/logical_font.h"
#include "controls/painted/painted_control.h"
#include "controls/painted/property_indexes.h"
#include "controls/property_value.h"

namespace {

using namespace label_property;

void FillWith(HDC dc, const RECT& area, Colour colour) {
  BrushHandle brush(CreateSolidBrush(ScreenColour(colour)));
  FillRect(dc, &area, brush.get());
}

class Label : public PaintedControl {
 public:
  using PaintedControl::PaintedControl;

  bool Create(HWND parent) override {
    if (!CreatePaintedWindow(parent, L"VelmoLabel", properties().caption, 0, 0, properties().border)) return false;
    font_ = CreateFontFromBytes(properties().font);
    return true;
  }

  void WriteKindProperty(int index, const PropertyValue& value) override {
    if (!Store(index, value)) return;
    if (index == kCaption && hwnd_) SetWindowTextW(hwnd_, Widen(properties().caption).c_str());
    if (index == kBorder && hwnd_) ApplyBorder(hwnd_, properties().border);
    if (index == kFont) font_ = CreateFontFromBytes(properties().font);
    if (index == kBackPicture) backPicture_.Forget();
    Repaint();
  }

  PropertyValue ReadKindProperty(int index) const override {
    const LabelProperties& p = properties();
    if (index >= kFrameColourFirst && index <= kFrameColourLast)
      return ColourValue(p.frameColours[index - kFrameColourFirst]);
    if (index >= kGradientColourFirst && index <= kGradientColourLast) {
      return ColourValue(p.gradientColours[index - kGradientColourFirst]);
    }
    switch (index) {
      case kCaption: return p.caption;
      case kEffect: return p.effect;
      case kBorder: return p.border;
      case kFrameWidth: return p.frameWidth;
      case kFont: return p.font;
      case kTextColour: return ColourValue(p.textColour);
      case kBackColour: return ColourValue(p.backColour);
      case kBackPicture: return p.backPicture;
      case kPictureMode: return p.pictureMode;
      case kGradientMode: return p.gradientMode;
      case kHorizontalAlignment: return p.horizontalAlignment;
      case kWordWrap: return p.wordWrap;
      case kVerticalAlignment: return p.verticalAlignment;
      case kDataSource: return p.dataSource;
      case kDataColumn: return p.dataColumn;
      default: return int32_t{0};
    }
  }

 protected:
  void PaintContent(HDC dc) override {
    const LabelProperties& p = properties();
    RECT area;
    GetClientRect(hwnd_, &area);
    if (p.border == 6) PaintFrame(dc, area);
    FillWith(dc, area, p.backColour);
    backPicture_.Draw(dc, p.backPicture, area, p.pictureMode);
    PaintText(dc, area);
  }

 private:
  LabelProperties& properties() const { return std::get<LabelProperties>(definition().properties); }

  // Stores a written value into the definition, brought into its form; false for an index the
  // kind does not have.
  bool Store(int index, const PropertyValue& value) {
    LabelProperties& p = properties();
    if (index >= kFrameColourFirst && index <= kFrameColourLast) {
      p.frameColours[index - kFrameColourFirst] = ColourOf(value);
      return true;
    }
    if (index >= kGradientColourFirst && index <= kGradientColourLast) {
      p.gradientColours[index - kGradientColourFirst] = ColourOf(value);
      return true;
    }
    switch (index) {
      case kCaption: p.caption = AsText(value); return true;
      case kEffect: p.effect = BringChoice(AsInt(value), choice_last::kLabelEffect); return true;
      case kBorder: p.border = BringChoice(AsInt(value), choice_last::kLabelBorder); return true;
      case kFrameWidth: p.frameWidth = std::max(AsInt(value), kMinimumFrameWidth); return true;
      case kFont: p.font = StoredFontOf(value); return true;
      case kTextColour: p.textColour = ColourOf(value); return true;
      case kBackColour: p.backColour = ColourOf(value); return true;
      case kBackPicture: p.backPicture = AsBytes(value); return true;
      case kPictureMode: p.pictureMode = BringChoice(AsInt(value), choice_last::kPictureMode); return true;
      case kGradientMode: p.gradientMode = BringChoice(AsInt(value), choice_last::kGradientMode); return true;
      case kHorizontalAlignment:
        p.horizontalAlignment = BringChoice(AsInt(value), choice_last::kAlignment);
        return true;
      case kWordWrap: p.wordWrap = AsBool(value); return true;
      case kVerticalAlignment: p.verticalAlignment = BringChoice(AsInt(value), choice_last::kAlignment); return true;
      case kDataSource: p.dataSource = AsText(value); return true;
      case kDataColumn: p.dataColumn = AsText(value); return true;
      default: return false;
    }
  }

  // Border 6: three bands in the frame colours inside the client area, which then shrinks to
  // what lies within the frame.
  void PaintFrame(HDC dc, RECT& area) const {
    const LabelProperties& p = properties();
    FrameBands bands = FrameBandsOf(std::max(p.frameWidth, kMinimumFrameWidth));
    const int widths[] = {bands.outer, bands.middle, bands.inner};
    for (int band = 0; band < 3; ++band) {
      FillWith(dc, area, p.frameColours[band]);
      InflateRect(&area, -widths[band], -widths[band]);
    }
  }

  void PaintText(HDC dc, const RECT& area) const {
    const LabelProperties& p = properties();
    std::wstring text = Widen(p.caption);
    if (text.empty()) return;
    Selection font(dc, font_ ? font_.get() : DefaultGuiFont());
    SetTextColor(dc, ScreenColour(p.textColour));
    SetBkMode(dc, TRANSPARENT);
    UINT format = LabelTextFormat(p.horizontalAlignment, p.wordWrap != 0);
    RECT measured = area;
    int textHeight = DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, format | DT_CALCRECT);
    RECT placed = area;
    placed.top = LabelTextTop(area.top, area.bottom - area.top, textHeight, p.verticalAlignment);
    placed.bottom = placed.top + textHeight;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &placed, format);
  }

  FontHandle font_;
  BackPicture backPicture_;
};

}  // namespace

std::unique_ptr<Control> MakeLabel(WindowId window, UnitDefinition& unit) {
  if (!std::holds_alternative<LabelProperties>(unit.properties)) return nullptr;
  return std::make_unique<Label>(window, unit);
}
