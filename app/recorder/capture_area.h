// What a take records, as a rectangle of the screen: the monitors there are to choose from, the
// virtual screen that holds them, and the rectangle a choice comes to when the take starts. All
// rectangles are in physical pixels of the virtual screen.
#pragma once
#include <vector>

#include "app/settings/settings.h"

// The monitors, the primary one first, then from left to right and top to bottom; the user
// knows them as 显示器 1, 2 ... in this order.
std::vector<ScreenArea> MonitorAreas();
// The rectangle that holds every monitor.
ScreenArea VirtualScreenArea();

// A list of monitors that stands in for the system's: only tests install one, since a test
// screen has one monitor; none (null) is the program's own state. Gives back the one it replaces.
using MonitorListStandIn = std::vector<ScreenArea> (*)();
MonitorListStandIn SetMonitorListStandIn(MonitorListStandIn standIn);

// The rectangle a take of `choice` records, with `remembered` the monitor's, region's or
// window's rectangle last chosen: empty for the full screen (the primary screen, measured at
// each snapshot), else `remembered` cut to `screen`. What is left smaller than the smallest
// region on a side (a monitor unplugged since, a rectangle never chosen) records the full screen.
ScreenArea TakeAreaFor(CaptureChoice choice, const ScreenArea& remembered, const ScreenArea& screen);
