#include "app/player/range_save.h"

void SaveFramesAs(int, int) {}
