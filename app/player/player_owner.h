// One owner of the player's open recording at a time: the open dialog of 打开 while the user
// picks a file, or a range's save from its dialog to its last message. Every command that opens
// (打开, a dropped file, a hand-over from a later start), picks or saves asks here first and does
// nothing while the player is held, so two of them never share the extraction folder, and a save
// never sees its frames replaced.
#pragma once

enum class PlayerHolder { Nobody, Picking, Saving };

PlayerHolder PlayerHeldBy();

// Holds the player for `holder` while it lives; the holder before comes back when it goes.
class PlayerHold {
 public:
  explicit PlayerHold(PlayerHolder holder);
  ~PlayerHold();
  PlayerHold(const PlayerHold&) = delete;
  PlayerHold& operator=(const PlayerHold&) = delete;

 private:
  PlayerHolder before_;
};
