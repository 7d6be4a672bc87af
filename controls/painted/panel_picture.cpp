#include "controls/painted/panel_picture.h"

#include "controls/painted/draw_panel.h"

ByteString PanelPictureFile(Control& control) {
  auto* panel = dynamic_cast<DrawPanel*>(&control);
  return panel ? panel->PictureFile() : ByteString();
}
