// A take as the user sees it and as the save later finds it: numbered 24-bit frames of the
// screen with every header field, the status texts tick by tick, the question about an unsaved
// take, and leftovers of a longer earlier take.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "app/recorder/disk_space.h"
#include "app/recorder/recorder_handlers.h"
#include "app/recorder/take_clock.h"
#include "app/recorder/recorder_state.h"
#include "app/recorder/screen_snapshot.h"
#include "components/imaging/bmp_file.h"
#include "components/services/screen_pixels.h"
#include "controls/event_delivery.h"
#include "controls/property_indexes.h"
#include "controls/runtime_state.h"
#include "controls/painted/bitmap_file.h"
#include "forms/recorder_window.h"
#include "forms/save_dialog.h"
#include "tests/controls/program_run.h"
#include "tests/recorder/dpi_unaware_thread.h"
#include "tests/recorder/frame_pictures.h"
#include "tests/recorder/recorder_fixture.h"
#include "tests/recorder/scripted_user.h"
#include "tests/recorder/settings_for_test.h"
#include "tests/support/files.h"

namespace {
using namespace RecorderWindow;

std::string Status() { return ReadText(kStatus, label_property::kCaption); }
int StatusColour() { return ReadInt(kStatus, label_property::kTextColour); }
std::string Frame(int n) { return LeanFrameFile(n); }

// The suite runs on a 1024x768 screen; tests/recorder/frame_on_full_hd_screen.sh runs this test
// again on a 1920x1080 one.
struct ScreenFrame {
  int width;
  int height;
  uint32_t fileSize;
};
constexpr ScreenFrame kScreenFrames[] = {{1024, 768, 2359350}, {1920, 1080, 6220854}};

TEST(CaptureLoop, FramesAreWholeScreenBitmapsWithEveryHeaderField) {
  RunRecorder([] {
    Click(按钮1);
    Click(按钮2);
  });
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  const ScreenFrame* expected = nullptr;
  for (const ScreenFrame& frame : kScreenFrames) {
    if (frame.width == width && frame.height == height) expected = &frame;
  }
  ASSERT_NE(expected, nullptr) << "no expected frame for a " << width << "x" << height << " screen";
  const Bytes frame = TakeFrameFile(1);
  ASSERT_EQ(frame.size(), expected->fileSize);
  std::printf("frame of a %dx%d screen: %zu bytes\n", width, height, frame.size());
  EXPECT_EQ(frame[0], 'B');
  EXPECT_EQ(frame[1], 'M');
  EXPECT_EQ(Le32(frame, 2), expected->fileSize);
  EXPECT_EQ(Le32(frame, 6), 0u);
  EXPECT_EQ(Le32(frame, 10), 54u);
  EXPECT_EQ(Le32(frame, 14), 40u);
  EXPECT_EQ(Le32(frame, 18), static_cast<uint32_t>(width));
  EXPECT_EQ(Le32(frame, 22), static_cast<uint32_t>(height));
  EXPECT_EQ(Le16(frame, 26), 1);
  EXPECT_EQ(Le16(frame, 28), 24);
  EXPECT_EQ(Le32(frame, 30), 0u);
  EXPECT_EQ(Le32(frame, 34), expected->fileSize - 54);
}

// On a scaled display the program's windows are told a smaller screen; every frame still holds
// the whole screen in its physical pixels, right up to its far corner. frame_on_scaled_screen.sh
// runs this on a screen at 150 percent.
TEST(CaptureLoop, FramesHoldTheWholeScreenInPhysicalPixels) {
  // The corner's pixels are the patch's alone, wherever an earlier test left the pointer.
  const PointerSettingsForTest withoutPointer(false, false);
  const DpiUnawareThread asTheProgram;
  const SIZE physical = PhysicalScreen();
  constexpr COLORREF kPatch = RGB(200, 40, 160);
  SIZE canvas{};
  RunRecorder([&] {
    // A patch of a known colour in the screen's bottom-right corner, placed in physical pixels.
    WNDCLASSW patchClass{};
    patchClass.lpfnWndProc = DefWindowProcW;
    patchClass.lpszClassName = L"VelmoCornerPatch";
    patchClass.hbrBackground = CreateSolidBrush(kPatch);
    RegisterClassW(&patchClass);
    HWND patch;
    {
      const PhysicalScreenScope inPhysicalPixels;
      patch = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"VelmoCornerPatch", L"", WS_POPUP | WS_VISIBLE,
                              physical.cx - 48, physical.cy - 48, 48, 48, nullptr, nullptr, nullptr, nullptr);
    }
    UpdateWindow(patch);
    PumpFor(200);
    Click(按钮1);
    Click(按钮2);
    DestroyWindow(patch);
    DeleteObject(reinterpret_cast<HBRUSH>(patchClass.hbrBackground));
    UnregisterClassW(L"VelmoCornerPatch", nullptr);
    // The save shrinks the frames it finds: its canvas is 80 percent of the physical screen.
    WhenLoaded(SaveDialog::kId, [&] {
      canvas = {ReadInt({SaveDialog::kId, SaveDialog::隐藏画板}, common_property::kWidth),
                ReadInt({SaveDialog::kId, SaveDialog::隐藏画板}, common_property::kHeight)};
      PostClick({SaveDialog::kId, SaveDialog::取消按钮});
    });
    LoadWindow(SaveDialog::kId, 0, true);
  });
  const Picture frame = DecodedPicture(TakeFrameFile(1));
  std::printf("screen told %dx%d, frame %dx%d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
              frame.width, frame.height);
  ASSERT_EQ(frame.width, physical.cx);
  ASSERT_EQ(frame.height, physical.cy);
  EXPECT_TRUE(PixelNear(frame.At(physical.cx - 24, physical.cy - 24), Pixel{200, 40, 160}, 0));
  EXPECT_TRUE(PixelNear(frame.At(physical.cx - 1, physical.cy - 1), Pixel{200, 40, 160}, 0));
  EXPECT_EQ(canvas.cx, static_cast<LONG>(physical.cx * 0.8));
  EXPECT_EQ(canvas.cy, static_cast<LONG>(physical.cy * 0.8));
}

// The free space the fake volume offers: the margin and `roomBeyondMargin` bytes.
uint64_t roomBeyondMargin = 0;
std::optional<uint64_t> RoomBeyondMargin(const std::string&) { return kFreeSpaceMargin + roomBeyondMargin; }

// Before a take starts it asks for room for a whole frame as the snapshot takes it, in physical
// pixels: one byte less and no take starts; just enough and its frames have that size.
// frame_on_scaled_screen.sh runs this on a screen at 150 percent, where the size the program's
// windows are told would ask for less than half of it.
TEST(CaptureLoop, TheRoomCheckAsksForAWholeFrameInPhysicalPixels) {
  const DpiUnawareThread asTheProgram;
  const SIZE physical = PhysicalScreen();
  const uint64_t frameBytes = BmpFileSize(physical.cx, physical.cy);
  const FreeSpaceProbe system = SetFreeSpaceProbe(RoomBeyondMargin);
  roomBeyondMargin = frameBytes - 1;
  RunRecorder([] {
    Click(按钮1);
    EXPECT_EQ(FrameCount, 0);
  });
  EXPECT_EQ(Seen().questions, std::vector<std::string>{"磁盘空间不足，无法开始录制。请腾出磁盘空间后再试。"});
  EXPECT_FALSE(FileExists(Frame(1)));
  roomBeyondMargin = frameBytes;
  RunRecorder([] {
    Click(按钮1);
    Click(按钮2);
  });
  SetFreeSpaceProbe(system);
  EXPECT_TRUE(Seen().questions.empty());
  EXPECT_EQ(TakeFrameFile(1).size(), frameBytes);
}

TEST(CaptureLoop, StatusTextCountsTenthsOfASecondInBlueThenStopsInRed) {
  RunRecorder([] {
    Click(按钮1);
    EXPECT_EQ(Status(), "录制：0.1秒");
    EXPECT_EQ(StatusColour(), 0xFF0000);
    EXPECT_EQ(ReadInt({kId, 时钟1}, timer_property::kInterval), CaptureTickMilliseconds(kDefaultFrameRate));
    CaptureTicks(9);
    EXPECT_EQ(Status(), "录制：1秒");
    CaptureTicks(5);
    EXPECT_EQ(Status(), "录制：1.5秒");
    CaptureTicks(123 - 15);
    Click(按钮2);
    EXPECT_EQ(Status(), "停止：12.3秒");
    EXPECT_EQ(StatusColour(), 0x0000FF);
    EXPECT_EQ(ReadInt({kId, 时钟1}, timer_property::kInterval), 0);
    EXPECT_EQ(FrameCount, 123);
  });
  EXPECT_TRUE(FileExists(Frame(123)));
  EXPECT_FALSE(FileExists(Frame(124)));
}

TEST(CaptureLoop, TheTimerKeepsCapturingWhileRecording) {
  RunRecorder([] {
    UseSystemClock();
    Click(按钮1);
    PumpFor(1000);
    Click(按钮2);
    EXPECT_GE(FrameCount, 4) << "about ten frames a second";
  });
}

// No gives the earlier take up: the new take never shares the folder with its frames.
TEST(CaptureLoop, AnUnsavedTakeIsAskedAboutAndNoStartsAFreshTake) {
  RunRecorder([] {
    Click(按钮1);
    CaptureTicks(49);
    Click(按钮2);
    EXPECT_TRUE(Seen().questions.empty()) << "a fresh start has nothing to ask about";
    AnswerQuestionsWith(IDNO);
    Click(按钮1);
    CaptureTicks(29);
    Click(按钮2);
  });
  ASSERT_EQ(Seen().questions.size(), 1u);
  EXPECT_EQ(Seen().questions[0], "上次录制数据还未保存,现在是否要保存？");
  EXPECT_EQ(Seen().captions[0], "提示信息");
  EXPECT_TRUE(FileExists(Frame(30)));
  EXPECT_FALSE(FileExists(Frame(31))) << "no frame of the earlier take is left to mix with the new one";
  EXPECT_FALSE(FileExists(Frame(50)));
}

// Closes SaveDialog from inside its modal loop, as a user pressing its close box would.
void CALLBACK CloseSaveDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  if (!IsWindowLoaded(SaveDialog::kId)) return;
  KillTimer(nullptr, timer);
  PostMessageW(WindowHandle(SaveDialog::kId), WM_CLOSE, 0, 0);
}

// Yes asks to save the earlier take first; closed without saving, SaveDialog leaves that take
// where it was, ready to save, and the new take does not start over it.
TEST(CaptureLoop, AnsweringYesThenClosingTheSaveDialogKeepsTheEarlierTakeReadyToSave) {
  bool savePromptWasModal = false;
  RunRecorder([&] {
    Click(按钮1);
    CaptureTicks(4);
    Click(按钮2);
    AnswerQuestionsWith(IDYES);
    SetTimer(nullptr, 0, 100, CloseSaveDialog);
    Click(按钮1);
    savePromptWasModal = !IsWindowLoaded(SaveDialog::kId);
    EXPECT_EQ(FrameCount, 5) << "the earlier take is still the current one";
    EXPECT_EQ(Status(), "停止：0.5秒");
    EXPECT_EQ(StatusColour(), 0x0000FF);
    EXPECT_EQ(ReadInt({kId, 时钟1}, timer_property::kInterval), 0);
    EXPECT_TRUE(IsWindowEnabled(RecorderHwnd(按钮1)));
    EXPECT_FALSE(IsWindowEnabled(RecorderHwnd(按钮2)));
    EXPECT_TRUE(IsWindowEnabled(RecorderHwnd(按钮3)));
  });
  EXPECT_EQ(Seen().questions.size(), 1u);
  EXPECT_TRUE(savePromptWasModal) << "the take waited for SaveDialog to close";
  EXPECT_TRUE(FileExists(Frame(5)));
}

TEST(CaptureLoop, RecordFromTheMenuWhileRecordingAsksAgain) {
  RunRecorder([] {
    Click(按钮1);
    RaiseEvent(kId, 菜单_录制, 0);
    Click(按钮2);
    EXPECT_EQ(FrameCount, 1) << "the second start began again at frame 1";
  });
  EXPECT_EQ(Seen().questions.size(), 1u);
}

TEST(CaptureLoop, TheFramesShowWhatIsOnTheScreen) {
  RunRecorder([] {
    // A window of a known colour at a known place on the 1024x768 screen.
    WNDCLASSW patchClass{};
    patchClass.lpfnWndProc = DefWindowProcW;
    patchClass.lpszClassName = L"VelmoTestPatch";
    patchClass.hbrBackground = CreateSolidBrush(RGB(20, 200, 40));
    RegisterClassW(&patchClass);
    HWND patch = CreateWindowExW(WS_EX_TOPMOST, L"VelmoTestPatch", L"", WS_POPUP | WS_VISIBLE, 100, 200, 64, 32,
                                 nullptr, nullptr, nullptr, nullptr);
    UpdateWindow(patch);
    PumpFor(200);
    Click(按钮1);
    Click(按钮2);
    DestroyWindow(patch);
    UnregisterClassW(L"VelmoTestPatch", nullptr);
    DeleteObject(patchClass.hbrBackground);
  });
  const Bytes frame = TakeFrameFile(1);
  ASSERT_EQ(frame.size(), 2359350u);
  // Screen pixel (x, y) sits in file row 767 - y; each row is 3072 bytes, blue green red.
  const size_t at = 54 + static_cast<size_t>(767 - 215) * 3072 + 130 * 3;
  EXPECT_EQ(frame[at + 0], 40);
  EXPECT_EQ(frame[at + 1], 200);
  EXPECT_EQ(frame[at + 2], 20);
}

// A take keeps one bitmap and one buffer from tick to tick: each frame must still be the screen
// of its own tick, byte for byte what a snapshot made from scratch gives. Without the pointer a
// frame is the plain copy of the screen it always was.
TEST(CaptureLoop, EachTickTakesTheScreenAsItIsThen) {
  const PointerSettingsForTest withoutPointer(false, false);
  Bytes fresh;
  RunRecorder([&] {
    WNDCLASSW patchClass{};
    patchClass.lpfnWndProc = DefWindowProcW;
    patchClass.lpszClassName = L"VelmoTestPatch";
    RegisterClassW(&patchClass);
    HWND patch = CreateWindowExW(WS_EX_TOPMOST, L"VelmoTestPatch", L"", WS_POPUP | WS_VISIBLE, 100, 200, 64, 32,
                                 nullptr, nullptr, nullptr, nullptr);
    for (COLORREF colour : {RGB(20, 200, 40), RGB(200, 30, 60)}) {
      HBRUSH brush = CreateSolidBrush(colour);
      SetClassLongPtrW(patch, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush));
      RedrawWindow(patch, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
      PumpFor(200);
      if (colour == RGB(20, 200, 40)) {
        Click(按钮1);
        // The clock stays still, so the second frame is the one this test asks for.
        WriteProperty({kId, 时钟1}, timer_property::kInterval, 0);
      } else {
        // Nothing is painted between the two: the tick captures before it writes its status. The
        // shell's taskbar follows windows from another process, late: the copy is taken once the
        // screen has stood still for 100 ms.
        const SIZE screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        const auto copy = [&] { return BmpFileOfBitmap(CopyClientArea(nullptr, screen).get(), screen); };
        WaitUntil([&] {
          const Bytes before = copy();
          PumpFor(100);
          return (fresh = copy()) == before;
        }, 5);
        CaptureTicks(1);
        EXPECT_EQ(FrameCount, 2);
      }
      SetClassLongPtrW(patch, GCLP_HBRBACKGROUND, 0);
      DeleteObject(brush);
    }
    Click(按钮2);
    DestroyWindow(patch);
    UnregisterClassW(L"VelmoTestPatch", nullptr);
  });
  const Bytes first = TakeFrameFile(1);
  const Bytes second = TakeFrameFile(2);
  ASSERT_EQ(second.size(), 2359350u);
  const size_t at = 54 + static_cast<size_t>(767 - 215) * 3072 + 130 * 3;
  EXPECT_EQ(first[at + 1], 200) << "green in frame 1";
  EXPECT_EQ(second[at + 2], 200) << "red in frame 2";
  EXPECT_EQ(second, fresh);
}

// A window over the whole screen showing new noise each time it is painted anew: a screen that
// changes all over in every frame, as a video played full screen does.
class NoiseWindow {
 public:
  NoiseWindow() {
    WNDCLASSW noiseClass{};
    noiseClass.lpfnWndProc = Paint;
    noiseClass.lpszClassName = L"VelmoNoise";
    RegisterClassW(&noiseClass);
    window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"VelmoNoise", L"", WS_POPUP, 0, 0, kWidth, kHeight,
                              nullptr, nullptr, nullptr, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pixels_.data()));
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    PaintAnew();
  }
  ~NoiseWindow() {
    DestroyWindow(window_);
    UnregisterClassW(L"VelmoNoise", nullptr);
  }
  void PaintAnew() {
    for (uint8_t& byte : pixels_) byte = static_cast<uint8_t>(std::rand() >> 4);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    PumpFor(100);
  }

 private:
  static constexpr int kWidth = 1024;
  static constexpr int kHeight = 768;
  static LRESULT CALLBACK Paint(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, kHeight, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const auto* pixels = reinterpret_cast<const uint8_t*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (pixels) SetDIBitsToDevice(dc, 0, 0, kWidth, kHeight, 0, 0, 0, kHeight, pixels, &info, DIB_RGB_COLORS);
    EndPaint(window, &paint);
    return 0;
  }
  HWND window_;
  Bytes pixels_ = Bytes(kWidth * kHeight * 3);
};

// Frames of noise take what raw bitmaps would as lean frames, so the take codes nothing ahead:
// its working folder stays within a hundredth of the bitmaps the frames once were.
TEST(CaptureLoop, AScreenOfNoiseCostsNoMoreThanBitmapsDid) {
  const PointerSettingsForTest withoutPointer(false, false);
  uint64_t folderBytes = 0;
  RunRecorder([&] {
    NoiseWindow noise;
    Click(按钮1);
    WriteProperty({kId, 时钟1}, timer_property::kInterval, 0);
    for (int i = 0; i < 3; ++i) {
      noise.PaintAnew();
      CaptureTicks(1);
    }
    Click(按钮2);
    EXPECT_EQ(FrameCount, 4);
    folderBytes = FilesInFolder(WorkingFolder()).bytes + FilesInFolder(WorkingFolder() + "\\coded").bytes;
    EXPECT_FALSE(FolderExists(WorkingFolder() + "\\coded")) << "nothing was coded ahead";
  });
  EXPECT_GT(folderBytes, 4u * 2000000u) << "noise, beside the recorder's window, does not compress";
  EXPECT_LE(folderBytes, 4u * 2359350u * 101 / 100);
}

}  // namespace
