// Stored colours to the COLORREF GDI draws with.
#pragma once
#include <windows.h>

#include "controls/property_value.h"
#include "controls/form_definition.h"

// kButtonFaceColour becomes `buttonFace`; any other value keeps its red, green and blue bytes
// (a stray top byte would make GDI read it as a palette reference).
constexpr COLORREF ResolveColour(Colour stored, COLORREF buttonFace) {
  return stored == kButtonFaceColour ? buttonFace : (stored & 0x00FFFFFF);
}

inline COLORREF ScreenColour(Colour stored) { return ResolveColour(stored, GetSysColor(COLOR_BTNFACE)); }

// Colours travel as the bit pattern of an integer property value.
inline Colour ColourOf(const PropertyValue& value) { return static_cast<Colour>(AsInt(value)); }
