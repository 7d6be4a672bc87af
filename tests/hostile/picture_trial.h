// A trial of picture bytes as the program meets them: converted by ConvertToJpeg with the
// program's arguments, and shown by PlayerWindow's picture panel (loaded by the test, inside the
// program). While a trial lives, the system temporary folder, where pixel files go, is a
// folder of its own.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controls/runtime.h"
#include "forms/player_window.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

inline constexpr UnitAddress kPanel{PlayerWindow::kId, PlayerWindow::画板};

class PictureTrial : public testing::Test {
 protected:
  PictureTrial();
  ~PictureTrial() override;

  // ConvertToJpeg of `bytes`; expects 1 with a JPEG that reads back, or -3 with no target, and
  // gives back the result.
  int Convert(const std::string& what, const Bytes& bytes);
  // The bytes as the panel's back picture, written through the runtime as a playback tick
  // writes them and painted at once, then loaded as a picture as fitting the layout loads the
  // first frame; true when the load found a picture. PlayerWindow must be loaded.
  static bool ShowInPanel(const Bytes& bytes);

  // The private temporary folder.
  const std::string& temporaryFolder() const { return temporary_.path(); }

  TempFolder scratch_;

 private:
  TempFolder temporary_;
  std::wstring savedTmp_;
};
