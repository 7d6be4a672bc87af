// What the process holds of the system's objects, to show that ticks leave nothing behind.
#pragma once

struct ProcessResources {
  long gdiObjects = 0;   // bitmaps, device contexts, brushes, fonts ...
  long userObjects = 0;  // windows, menus, icons, cursors ... (see below)
  long handles = 0;      // kernel handles: files, mappings, events ...
  bool probed = false;   // counted by probing (below) rather than asked of the system

  bool operator==(const ProcessResources&) const = default;
};

// The counts of this moment. Where the system answers 0 for all (Wine's GetGuiResources and
// GetProcessHandleCount do), they are counted by probing instead: every GDI handle index for a
// live object (GetObjectType), every kernel handle value for a valid handle
// (GetHandleInformation), and, for the USER objects, the process's windows with their child
// windows (menus, icons and cursors are then not counted).
ProcessResources CurrentProcessResources();
