// The kinds the runtime paints itself and the picture services behind them:
// - MakeLabel and MakeDrawPanel (declared in controls/kinds/kind_factory.h), plain child
//   windows created and linked as every control's (controls/child_window.h, control_link.h);
// - PictureTable (picture_table.h): load picture, picture width and height, unload picture;
// - TakePanelPictureFile (panel_picture.h): a DrawPanel's image as a 24-bit BMP file;
// - the rules they rest on, shared with the other kinds where they apply: picture recognition
//   (picture_format.h), placement by picture mode (picture_placement.h), the BMP file layout
//   (components/imaging/bmp_file.h), border styles (border_style.h), stored fonts (logical_font.h), colours
//   (colours.h), GDI owners (components/services/gdi_handle.h) and the property limits
//   (painted_limits.h; the indexes: controls/property_indexes.h).
// The rules that need no runtime form a library of their own (velmo_painting) below the
// runtime; the painted kinds are built into the runtime, which makes them.
#pragma once
#include "controls/kinds/kind_factory.h"
#include "controls/painted/panel_picture.h"
#include "controls/painted/picture_table.h"
