#include "app/settings/settings.h"

namespace {
// Touched only by the user-interface thread.
Settings current;
}  // namespace

const Settings& CurrentSettings() { return current; }

void SetCurrentSettings(const Settings& settings) { current = settings; }
