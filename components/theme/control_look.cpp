#include "components/theme/control_look.h"

namespace {

int RingEntry(const ControlState& state) {
  if (state.disabled) return kNoShade;
  if (state.pressed) return 0;
  if (state.hot) return 1;
  if (state.checked || state.indeterminate) return 2;
  if (state.focused || state.isDefault) return 3;
  return 4;
}

int FaceEntry(const ControlState& state) {
  const bool down = state.pressed || state.checked;
  if (state.disabled && !down) return kNoShade;
  return down ? 5 : 6;
}

}  // namespace

ButtonLook PushButtonLook(int scheme, const ControlState& state, Rgb face) {
  const Rgb frame = state.disabled ? Darker(face, 32) : ButtonFrameColour(scheme);
  return {frame,
          RingEntry(state),
          FaceEntry(state),
          state.disabled ? Darker(face, 21) : frame,
          state.disabled ? Darker(face, 17) : frame,
          state.disabled || state.indeterminate ? kDisabledCaption : kBlack};
}

int ArrowState(const ControlState& state) {
  if (state.disabled) return 0;
  if (state.pressed) return 1;
  if (state.hot) return 2;
  return 3;
}

FieldFrames FieldFrameColours(int scheme, bool disabled, bool readOnly, Rgb face, Rgb window) {
  return {disabled ? Darker(face, 32) : EditFrameColour(scheme), disabled || readOnly ? face : window};
}

Alignment CaptionHorizontal(uint32_t style, Alignment fallback) {
  switch (style & 0x300) {
    case 0x100:
      return Alignment::kStart;
    case 0x200:
      return Alignment::kEnd;
    case 0x300:
      return Alignment::kCentre;
  }
  return fallback;
}

Alignment CaptionVertical(uint32_t style) {
  switch (style & 0xC00) {
    case 0x400:
      return Alignment::kStart;
    case 0x800:
      return Alignment::kEnd;
  }
  return Alignment::kCentre;
}
