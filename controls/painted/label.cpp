// Label: a static text the runtime paints itself. The effect, gradient and data properties are
// kept and read back but not drawn; the program's labels use none of them.
#include <algorithm>
#include <cstdint>

#include "components/services/wide_text.h"
#include "controls/kinds/kind_factory.h"
#include "controls/painted/back_picture.h"
#include "controls/painted/border_style.h"
#include "controls/painted/colours.h"
#include "controls/painted/label_layout.h"
#include "controls/painted/logical_font.h"
#include "controls/painted/painted_control.h"
#include "controls/painted/painted_limits.h"
#include "controls/property_table.h"
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
    WriteTableProperty<Label>(*this, properties(), kProperties, index, value);
  }

  PropertyValue ReadKindProperty(int index) const override {
    return ReadTableProperty<Label>(*this, properties(), kProperties, index);
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

  // Every write repaints the label with what it now holds; a table step is a plain member.
  void Redraw() { Repaint(); }

  void ShowCaption() {
    if (hwnd_) SetWindowTextW(hwnd_, Widen(properties().caption).c_str());
    Repaint();
  }

  void ShowBorder() {
    if (hwnd_) ApplyBorder(hwnd_, properties().border);
    Repaint();
  }

  void ShowFont() {
    font_ = CreateFontFromBytes(properties().font);
    Repaint();
  }

  void ShowBackPicture() {
    backPicture_.Forget();
    Repaint();
  }

  using Row = PropertyRow<Label, LabelProperties>;
  using P = LabelProperties;
  using Band = ColourOfThree<LabelProperties>;
  static constexpr Row kPropertyRows[] = {
      {kCaption, &P::caption, kAsIs, &Label::ShowCaption},
      {kEffect, &P::effect, Choice(choice_last::kLabelEffect), &Label::Redraw},
      {kBorder, &P::border, Choice(choice_last::kLabelBorder), &Label::ShowBorder},
      {kFrameWidth, &P::frameWidth, Range(kMinimumFrameWidth, INT32_MAX), &Label::Redraw},
      {kFrameColourFirst, Band{&P::frameColours, 0}, kAsIs, &Label::Redraw},
      {kFrameColourFirst + 1, Band{&P::frameColours, 1}, kAsIs, &Label::Redraw},
      {kFrameColourLast, Band{&P::frameColours, 2}, kAsIs, &Label::Redraw},
      {kFont, BytesStoredBy<P>{&P::font, StoreFont}, kAsIs, &Label::ShowFont},
      {kTextColour, &P::textColour, kAsIs, &Label::Redraw},
      {kBackColour, &P::backColour, kAsIs, &Label::Redraw},
      {kBackPicture, &P::backPicture, kAsIs, &Label::ShowBackPicture},
      {kPictureMode, &P::pictureMode, Choice(choice_last::kPictureMode), &Label::Redraw},
      {kGradientMode, &P::gradientMode, Choice(choice_last::kGradientMode), &Label::Redraw},
      {kGradientColourFirst, Band{&P::gradientColours, 0}, kAsIs, &Label::Redraw},
      {kGradientColourFirst + 1, Band{&P::gradientColours, 1}, kAsIs, &Label::Redraw},
      {kGradientColourLast, Band{&P::gradientColours, 2}, kAsIs, &Label::Redraw},
      {kHorizontalAlignment, &P::horizontalAlignment, Choice(choice_last::kAlignment), &Label::Redraw},
      {kWordWrap, &P::wordWrap, kBoolean, &Label::Redraw},
      {kVerticalAlignment, &P::verticalAlignment, Choice(choice_last::kAlignment), &Label::Redraw},
      {kDataSource, &P::dataSource, kAsIs, &Label::Redraw},
      {kDataColumn, &P::dataColumn, kAsIs, &Label::Redraw},
  };
  static constexpr std::span<const Row> kProperties{kPropertyRows};

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
