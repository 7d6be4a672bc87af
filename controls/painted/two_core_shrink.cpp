#include "controls/painted/two_core_shrink.h"

#include <windows.h>

#include <memory>
#include <thread>

#include "components/imaging/area_shrink.h"

namespace {

struct Band {
  const uint8_t* source;
  size_t sourceStride;
  int sourceWidth, sourceHeight;
  uint8_t* target;
  size_t targetStride;
  int targetWidth, targetHeight;
  int firstRow, endRow;
  bool done = false;

  void Shrink() {
    done = ShrinkPixelRows(source, sourceStride, sourceWidth, sourceHeight, target, targetStride, targetWidth,
                           targetHeight, firstRow, endRow);
  }
};

void CALLBACK ShrinkBand(PTP_CALLBACK_INSTANCE, void* band, PTP_WORK) { static_cast<Band*>(band)->Shrink(); }

thread_local bool thisThreadOnly = false;

struct WorkCloser {
  void operator()(TP_WORK* work) const { CloseThreadpoolWork(work); }
};

}  // namespace

bool ShrinkOnTwoCores(const uint8_t* source, size_t sourceStride, int sourceWidth, int sourceHeight, uint8_t* target,
                      size_t targetStride, int targetWidth, int targetHeight) {
  const int middle = targetHeight / 2;
  Band first{source, sourceStride, sourceWidth, sourceHeight, target, targetStride, targetWidth, targetHeight, 0, middle};
  Band second = first;
  second.firstRow = middle;
  second.endRow = targetHeight;
  const std::unique_ptr<TP_WORK, WorkCloser> work(
      std::thread::hardware_concurrency() > 1 && middle > 0 && !thisThreadOnly ? CreateThreadpoolWork(ShrinkBand, &second, nullptr) : nullptr);
  if (!work) return ShrinkPixelRows(source, sourceStride, sourceWidth, sourceHeight, target, targetStride, targetWidth,
                                    targetHeight);
  SubmitThreadpoolWork(work.get());
  first.Shrink();
  WaitForThreadpoolWorkCallbacks(work.get(), FALSE);
  return first.done && second.done;
}

ShrinksOnThisThread::ShrinksOnThisThread() : before_(thisThreadOnly) { thisThreadOnly = true; }

ShrinksOnThisThread::~ShrinksOnThisThread() { thisThreadOnly = before_; }
