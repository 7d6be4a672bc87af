// Saving frames of the recording being played as a new file: a .vmrc, an MP4 or a GIF.
#pragma once

// Asks for a target with the system's save dialog and saves frames `firstFrame` to
// `lastFrame` (1-based, inclusive) of the open recording there. The recording being played is
// never changed and can never be the target.
//
// A .vmrc holds the frames' own JPEG files, numbered from 1, packed as the recorder packs a
// take, with the recording's rate and the part of its sound that plays with them; MP4 and GIF
// are made from them at quality 80, an MP4 with that sound. Frames still being unpacked are waited
// for. The file is written under a temporary name beside the target and renamed onto it once
// complete and on the disk; a failure leaves neither and says why in a message box, as does a
// target that is the recording being played. No other message is handled while it saves, so
// nothing can reach the frames meanwhile. It holds the player (player_owner.h) from the dialog's
// opening to the end of the save. Does nothing without an open recording, while something else
// holds the player, or when the recording changed or the window closed while the dialog was open.
void SaveFramesAs(int firstFrame, int lastFrame);
