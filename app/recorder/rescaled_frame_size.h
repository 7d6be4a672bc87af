// The size a saved frame is shrunk to: the quality percent of the screen size.
#pragma once

struct FrameSize {
  int width;
  int height;
};

// trunc(screen side × qualityPercent ÷ 100), worked out in double precision: at 80 percent a
// 1024 × 768 screen gives 819 × 614 and a 1920 × 1080 screen 1536 × 864.
FrameSize RescaledFrameSize(int screenWidth, int screenHeight, int qualityPercent);
