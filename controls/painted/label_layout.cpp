#include "controls/painted/label_layout.h"

UINT LabelTextFormat(int horizontalAlignment, bool wordWrap) {
  constexpr UINT kAlignments[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
  UINT alignment = horizontalAlignment >= 0 && horizontalAlignment <= 2 ? kAlignments[horizontalAlignment] : DT_LEFT;
  return alignment | DT_NOPREFIX | DT_EXPANDTABS | (wordWrap ? DT_WORDBREAK : 0);
}

int LabelTextTop(int areaTop, int areaHeight, int textHeight, int verticalAlignment) {
  switch (verticalAlignment) {
    case 1:
      return areaTop + (areaHeight - textHeight) / 2;
    case 2:
      return areaTop + areaHeight - textHeight;
    default:
      return areaTop;
  }
}

FrameBands FrameBandsOf(int frameWidth) {
  int third = frameWidth / 3;
  return {third, frameWidth - 2 * third, third};
}
