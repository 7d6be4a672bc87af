#include "controls/painted/panel_picture.h"

#include "controls/painted/draw_panel.h"

bool TakePanelPictureFile(Control& control, ByteString& file) {
  auto* panel = dynamic_cast<DrawPanel*>(&control);
  if (panel) return panel->TakePictureFile(file);
  file.clear();
  return false;
}
