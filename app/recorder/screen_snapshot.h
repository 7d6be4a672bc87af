// The primary screen as a picture.
#pragma once
#include <windows.h>

#include "forms/form_definition.h"

// The whole primary screen as a complete 24-bit BMP file (bottom-up rows, no colour table),
// without the mouse pointer; empty when the copy or the conversion fails.
ByteString ScreenSnapshot();
