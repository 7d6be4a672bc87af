#include "app/player/player_owner.h"

namespace {
PlayerHolder holder = PlayerHolder::Nobody;
}  // namespace

PlayerHolder PlayerHeldBy() { return holder; }

PlayerHold::PlayerHold(PlayerHolder by) : before_(holder) { holder = by; }

PlayerHold::~PlayerHold() { holder = before_; }
