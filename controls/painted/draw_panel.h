// DrawPanel: a plain child window the runtime paints itself with its back colour and back
// picture, a container for other controls, and the source of panel pictures.
#pragma once
#include "controls/painted/back_picture.h"
#include "components/services/gdi_handle.h"
#include "controls/painted/painted_control.h"
#include "controls/painted/picture_canvas.h"
#include "controls/property_table.h"

class DrawPanel : public PaintedControl {
 public:
  using PaintedControl::PaintedControl;

  bool Create(HWND parent) override;
  void WriteKindProperty(int index, const PropertyValue& value) override;
  PropertyValue ReadKindProperty(int index) const override;

  // The panel's image at its current client size as a complete 24-bit BMP file, made in `file`
  // (its memory reused): the persistent bitmap when auto redraw is on (rebuilt first if it is
  // out of date), otherwise what the screen shows of the client area. False, leaving `file`
  // empty, when the window is gone or the system refuses.
  bool TakePictureFile(ByteString& file);

 protected:
  void PaintContent(HDC dc) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  DrawPanelProperties& properties() const { return std::get<DrawPanelProperties>(definition().properties); }
  // The kind's own properties, and the steps that show a written one.
  using Row = PropertyRow<DrawPanel, DrawPanelProperties>;
  static const Row kPropertyRows[];
  void ShowBorder();
  void RebuildBackground();
  void ShowBackPicture();
  void ShowAutoRedraw();
  SIZE ClientSize() const;
  // Back colour, then the back picture in its mode, over the area 0, 0 .. size.
  void PaintBackground(HDC dc, SIZE size);
  // Makes the persistent bitmap match the client size and the stored properties. False when
  // the system refuses the bitmap.
  bool RefreshCanvas();

  BackPicture backPicture_;
  PictureCanvas canvas_;
  bool canvasStale_ = true;
};
