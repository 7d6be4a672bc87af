// The rules behind seeking and marking: the frame under the pointer on the progress bar, the
// keyboard's steps, the marks I and O set and the frames a save takes from them.
#include <gtest/gtest.h>

#include "app/player/range_marks.h"
#include "app/player/seek.h"

namespace {

struct PointerCase {
  int x;
  int width;
  int frames;
  int expected;
};

class FrameUnderThePointer : public testing::TestWithParam<PointerCase> {};

TEST_P(FrameUnderThePointer, IsTheFrameWhoseStretchOfTheTrackHoldsIt) {
  const PointerCase& c = GetParam();
  EXPECT_EQ(FrameUnderPointer(c.x, c.width, c.frames), c.expected) << c.x << " of " << c.width;
}

INSTANTIATE_TEST_SUITE_P(
    Seek, FrameUnderThePointer,
    testing::Values(
        // 40 frames on 200 pixels: 5 pixels each; frame n ends at 5n.
        PointerCase{0, 200, 40, 1}, PointerCase{5, 200, 40, 1}, PointerCase{6, 200, 40, 2},
        PointerCase{50, 200, 40, 10}, PointerCase{100, 200, 40, 20}, PointerCase{150, 200, 40, 30},
        PointerCase{199, 200, 40, 40}, PointerCase{200, 200, 40, 40},
        // Beyond the ends of the track, as a drag gives them.
        PointerCase{-30, 200, 40, 1}, PointerCase{5000, 200, 40, 40},
        // More frames than pixels: an hour's recording on a narrow bar, without overflow.
        PointerCase{1, 404, 36000, 90}, PointerCase{202, 404, 36000, 18000}, PointerCase{404, 404, 36000, 36000},
        PointerCase{200, 400, 2000000000, 1000000000},
        // Nothing to seek in, and a bar with no width.
        PointerCase{10, 200, 0, 0}, PointerCase{10, 0, 40, 1}));

TEST(Seek, StepsStayWithinTheRecording) {
  EXPECT_EQ(SteppedFrame(5, 1, 40), 6);
  EXPECT_EQ(SteppedFrame(5, -1, 40), 4);
  EXPECT_EQ(SteppedFrame(5, -10, 40), 1);
  EXPECT_EQ(SteppedFrame(35, 10, 40), 40);
  EXPECT_EQ(SteppedFrame(0, 1, 40), 1) << "before the first frame is shown, → shows frame 1";
  EXPECT_EQ(SteppedFrame(2147483647, 10, 40), 40);
  EXPECT_EQ(SteppedFrame(3, 1, 0), 0);
}

TEST(RangeMarks, TheOtherMarkGivesWayToOneSetPastIt) {
  EXPECT_EQ(WithStart({}, 12).start, 12);
  const RangeMarks range = WithEnd(WithStart({}, 10), 30);
  EXPECT_EQ(range.start, 10);
  EXPECT_EQ(range.end, 30);
  const RangeMarks startPastEnd = WithStart(range, 35);
  EXPECT_EQ(startPastEnd.start, 35);
  EXPECT_EQ(startPastEnd.end, 35);
  const RangeMarks endBeforeStart = WithEnd(range, 4);
  EXPECT_EQ(endBeforeStart.start, 4);
  EXPECT_EQ(endBeforeStart.end, 4);
  EXPECT_FALSE(RangeMarks{}.Any());
  EXPECT_TRUE(WithEnd({}, 3).Any());
}

struct SaveCase {
  RangeMarks marks;
  int frames;
  FrameSpan saved;
  FrameSpan drawn;
};

class FramesASaveTakes : public testing::TestWithParam<SaveCase> {};

TEST_P(FramesASaveTakes, FollowTheMarksWithinTheRecording) {
  const SaveCase& c = GetParam();
  const FrameSpan saved = FramesToSave(c.marks, c.frames);
  EXPECT_EQ(saved.first, c.saved.first);
  EXPECT_EQ(saved.last, c.saved.last);
  const FrameSpan drawn = MarkedFrames(c.marks, c.frames);
  EXPECT_EQ(drawn.first, c.drawn.first);
  EXPECT_EQ(drawn.last, c.drawn.last);
}

INSTANTIATE_TEST_SUITE_P(RangeMarks, FramesASaveTakes,
                         testing::Values(
                             // No marks: the whole recording is saved and nothing is drawn.
                             SaveCase{{0, 0}, 40, {1, 40}, {0, 0}},
                             SaveCase{{10, 30}, 40, {10, 30}, {10, 30}},
                             // A start alone runs to the last frame; an end alone from the first.
                             SaveCase{{10, 0}, 40, {10, 40}, {10, 40}},
                             SaveCase{{0, 30}, 40, {1, 30}, {1, 30}},
                             SaveCase{{7, 7}, 40, {7, 7}, {7, 7}},
                             // A recording that shrank (a damaged entry) below the marks.
                             SaveCase{{10, 30}, 20, {10, 20}, {10, 20}},
                             SaveCase{{25, 30}, 20, {20, 20}, {20, 20}},
                             // Nothing to save from a recording without frames.
                             SaveCase{{0, 0}, 0, {0, 0}, {0, 0}}, SaveCase{{3, 5}, 0, {0, 0}, {0, 0}}));

}  // namespace
