// Fonts stored as bytes: empty for the system's default GUI font, or the 60 bytes of a LOGFONTA
// whose face name is in the ANSI code page.
#pragma once
#include <windows.h>

#include <optional>

#include "components/services/byte_string.h"
#include "components/services/gdi_handle.h"
#include "controls/runtime.h"

// Stores a written font value into `stored`: its 60 bytes, or empty (the default font) for a
// value of any other length or form.
void StoreFont(ByteString& stored, const PropertyValue& value);

// The wide LOGFONT of stored font bytes; none for empty bytes or any length other than 60. The
// face name is read up to its first zero byte and never past its 32 bytes.
std::optional<LOGFONTW> LogFontFromBytes(const ByteString& bytes);

// A font for stored font bytes: the created font, or none (then draw with DefaultGuiFont()).
FontHandle CreateFontFromBytes(const ByteString& bytes);
HFONT DefaultGuiFont();
