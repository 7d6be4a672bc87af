// Playback of the opened recording at its own rate: the frame on 画板 is the one for the time
// played so far, by the steady clock or, while a device plays the recording's sound, by the
// sound's (playback_sound.h), 时钟 ticking when the next frame is due, with the progress bar and
// the elapsed/total time text.
#pragma once
#include <cstdint>

#include "controls/runtime.h"

// Recordings number their frames from 1; an open and a stop both go back there, so playback
// never begins with a tick that finds no frame.
constexpr int kFirstFrame = 1;

// Fits the window around the first frame, switches the buttons to playing and plays on from
// NextFrame, which shows at once.
void StartPlayback();
void PausePlayback();
// Stops 时钟, rewinds to the first frame and shows it.
void StopPlayback();
// One tick of 时钟: the frame whose time it is, passing over those whose time went by without a
// tick; the last frame shows however late its tick, and the tick after its time ends playback.
// A frame still on its way from the archive is waited for, and the time runs on from it once
// it shows. A tick while playback does not run (raised by hand) changes nothing.
void PlaybackTick(EventRecord& event);
// The moment by the steady clock the frame after the one shown is due, while playback runs.
int64_t NextFrameDue();

// Shows frame `frame` (kept within the recording) at once, as a tick would, with the progress
// bar and the time text. A frame still on its way is asked of the unpack first, the bar and the
// time text move at once, and the frame shows as soon as it lands. Playing, playback goes on
// from there unless `pause`; paused or stopped, it is paused there. Nothing without frames.
void SeekTo(int frame, bool pause);
// A newly opened recording plays from its first frame, whatever the last one reached or a seek
// in it still waits for; its time text reads 0 of its length.
void StartAtFirstFrame();
// Shows the frame a seek or playback waits for once it has landed; the unpack's watch runs it
// between ticks, and while playback is paused, when no tick comes.
void ShowAwaitedFrameOnceLanded();
// Whether playback runs: 时钟 ticks.
bool Playing();

// Once the unpack behind the open has ended: the frame count its folder holds replaces the one
// the archive's directory promised, in the time text and the progress bar's maximum (they differ
// when a damaged entry stopped the unpack). Nothing before the end, and nothing the second time.
void FollowUnpack();
