#include "app/player/player_owner.h"

namespace {
PlayerHolder holder = PlayerHolder::Nobody;
}  // namespace

bool PlayerCommandAllowed(PlayerCommand, PlayerHolder by) { return by == PlayerHolder::Nobody; }

bool PlayerCommandAllowed(PlayerCommand command) { return PlayerCommandAllowed(command, holder); }

PlayerHolder PlayerHeldBy() { return holder; }

PlayerHold::PlayerHold(PlayerHolder by) : before_(holder) { holder = by; }

PlayerHold::~PlayerHold() { holder = before_; }
