// The picture services of runtime.h over the painted kinds' picture table and panel picture.
#include "controls/fatal_error.h"
#include "controls/runtime_state.h"
#include "controls/painted/painted.h"

namespace {
PictureTable& Pictures() {
  static PictureTable table;
  return table;
}
}  // namespace

int LoadPicture(const ByteString& pictureBytes) { return Pictures().Load(pictureBytes); }

// Both painted kinds report sizes in pixels, so the control does not change the answer.
int PictureWidth(UnitAddress, int picture) { return Pictures().Width(picture); }
int PictureHeight(UnitAddress, int picture) { return Pictures().Height(picture); }

void UnloadPicture(int picture) { Pictures().Unload(picture); }

void TakePanelPicture(UnitAddress drawPanel, ByteString& file) { TakePanelPictureFile(LiveControlOrFatal(drawPanel), file); }
