// One owner of the player's open recording at a time: the open dialog of 打开 while the user
// picks a file, or a range's save from its dialog to its last message. Every command that opens,
// picks or saves asks here first, so two of them never share the extraction folder, and a
// save never sees its frames replaced. Plain C++, so the rule is tested without a window.
#pragma once

enum class PlayerHolder { Nobody, Picking, Saving };

// What can reach the open recording from outside the loop that holds it.
enum class PlayerCommand {
  Open,  // 打开, a recording dropped on the window or handed over by a later start
  Save,  // 另存为… and Ctrl+S
};

// Whether `command` may act while `holder` holds the player: only when nobody does.
bool PlayerCommandAllowed(PlayerCommand command, PlayerHolder holder);
// The same for the holder of this moment.
bool PlayerCommandAllowed(PlayerCommand command);

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
