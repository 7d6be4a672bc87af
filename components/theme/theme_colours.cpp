#include "components/theme/theme_colours.h"

#include <algorithm>
#include <array>

namespace {

using ButtonTable = std::array<Shade, kButtonShadeEntries>;
using ArrowTable = std::array<Shade, kArrowShadeEntries>;

int SchemeIndex(int scheme) { return IsColourScheme(scheme) ? scheme - 1 : 2; }

constexpr Shade kHotRing = VerticalShade({255, 240, 207}, kHotOrange);
constexpr Shade kCheckedRing = {{214, 203, 189}, {214, 207, 198}, {247, 243, 239}, {247, 243, 239}};
constexpr Shade kBlueRing = VerticalShade({206, 231, 255}, {105, 130, 238});
constexpr Shade kNormalRing = VerticalShade({255, 255, 255}, {226, 223, 214});
constexpr Shade kBeige = FlatShade({239, 227, 206});

constexpr std::array<ButtonTable, 3> kButtonTables = {{
    {VerticalShade({209, 204, 193}, {242, 241, 238}), kHotRing, kCheckedRing, kBlueRing, kNormalRing,
     Shade{{231, 227, 222}, {231, 231, 231}, {231, 227, 222}, {231, 227, 222}},
     VerticalShade({252, 252, 251}, {236, 235, 230})},
    {kBeige, kHotRing, kCheckedRing, kHotRing, kNormalRing, kBeige,
     VerticalShade({252, 252, 251}, {236, 225, 201})},
    {kBeige, kHotRing, kCheckedRing, kBlueRing, kNormalRing, VerticalShade({179, 178, 197}, {252, 252, 251}),
     VerticalShade({252, 252, 251}, {198, 197, 215})},
}};

// The disabled state and the corner pixels are shared by every scheme; only the pressed, hot
// and normal colours change. Blue and olive-green follow the silver table's shape with the
// scheme's own tint.
constexpr Shade kArrowDisabled = {{247, 243, 239}, {231, 231, 222}, {231, 227, 222}, {231, 227, 222}};
constexpr Shade kArrowDisabledCorners = {{247, 247, 247}, {247, 243, 239}, {247, 243, 239}, {247, 243, 239}};
constexpr Shade kArrowDisabledFace = {{247, 247, 247}, {239, 239, 231}, {239, 235, 231}, {231, 231, 222}};
constexpr Shade kArrowWhiteCorners = FlatShade(kWhite);

constexpr std::array<ArrowTable, 3> kArrowTables = {{
    {kArrowDisabled, FlatShade({97, 117, 168}), FlatShade({121, 152, 236}), FlatShade({180, 200, 246}),
     kArrowDisabledCorners, Shade{{173, 190, 230}, kWhite, {173, 190, 230}, kWhite},
     Shade{{173, 190, 230}, kWhite, {173, 190, 230}, kWhite}, kArrowWhiteCorners, kArrowDisabledFace,
     VerticalShade({110, 142, 241}, {210, 222, 252}), VerticalShade({253, 255, 255}, {185, 218, 251}),
     VerticalShade({225, 234, 254}, {174, 200, 247})},
    {kArrowDisabled, FlatShade({96, 119, 66}), FlatShade({120, 146, 84}), FlatShade({143, 164, 102}),
     kArrowDisabledCorners, Shade{{190, 199, 160}, kWhite, {190, 199, 160}, kWhite},
     Shade{{190, 199, 160}, kWhite, {190, 199, 160}, kWhite}, kArrowWhiteCorners, kArrowDisabledFace,
     VerticalShade({168, 167, 102}, {214, 208, 160}), VerticalShade({196, 212, 156}, {170, 192, 118}),
     VerticalShade({186, 204, 150}, {156, 179, 105})},
    {kArrowDisabled, FlatShade({67, 72, 72}), FlatShade({91, 102, 86}), FlatShade({148, 149, 162}),
     kArrowDisabledCorners, Shade{{190, 183, 190}, kWhite, {190, 183, 190}, kWhite},
     Shade{{180, 183, 190}, kWhite, {190, 183, 190}, kWhite}, kArrowWhiteCorners, kArrowDisabledFace,
     VerticalShade({191, 194, 219}, kWhite), VerticalShade(kWhite, {207, 209, 227}),
     VerticalShade(kWhite, {203, 204, 218})},
}};

constexpr std::array<Rgb, 3> kEditFrames = {{{123, 158, 189}, {164, 185, 127}, {198, 197, 215}}};
constexpr std::array<Rgb, 3> kButtonFrames = {{{0, 60, 115}, {55, 98, 6}, {0, 60, 116}}};
constexpr std::array<Rgb, 3> kArrows = {{{123, 158, 189}, kWhite, kBlack}};

uint8_t DarkerChannel(uint8_t channel, int amount) { return static_cast<uint8_t>(std::max(0, channel - amount)); }

}  // namespace

Rgb Darker(Rgb colour, int amount) {
  return {DarkerChannel(colour.red, amount), DarkerChannel(colour.green, amount), DarkerChannel(colour.blue, amount)};
}

Rgb EditFrameColour(int scheme) { return kEditFrames[SchemeIndex(scheme)]; }

Rgb ButtonFrameColour(int scheme) { return kButtonFrames[SchemeIndex(scheme)]; }

Shade ButtonShade(int scheme, int entry) {
  return kButtonTables[SchemeIndex(scheme)][entry >= 0 && entry < kButtonShadeEntries ? entry : 4];
}

Shade ArrowShade(int scheme, int entry) {
  return kArrowTables[SchemeIndex(scheme)][entry >= 0 && entry < kArrowShadeEntries ? entry : 3];
}

Rgb ArrowColour(int scheme, bool disabled) { return disabled ? kDisabledArrow : kArrows[SchemeIndex(scheme)]; }
