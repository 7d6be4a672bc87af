// The panel-picture service: a DrawPanel's image as a complete 24-bit BMP file.
#pragma once
#include "controls/control.h"

// The panel's image at its current client size (see DrawPanel::TakePictureFile), made in
// `file`, whose memory is reused. False, leaving `file` empty, when `control` is not a
// DrawPanel or its picture cannot be taken.
bool TakePanelPictureFile(Control& control, ByteString& file);
