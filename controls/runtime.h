// The control runtime: what handlers use to touch windows. It owns every window built from a
// definition, holds numbered properties, delivers events to bound handlers, offers the window
// services and runs the message loop. Everything runs on the one user-interface thread. It
// knows no program's windows: a program writes them in the definition model
// (controls/form_definition.h) and hands them over with its handler routines at start-up
// (controls/program.h).
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "controls/form_definition.h"

// A property value: integers, booleans, colours and choices are int32; texts are UTF-8;
// pictures, icons, cursors and fonts are bytes.
using PropertyValue = std::variant<int32_t, std::string, ByteString>;

// What a handler receives: the source, the event index, its arguments and room for a result
// (only query close uses one).
struct EventRecord {
  WindowId window;
  UnitId unit;
  int event;
  std::vector<PropertyValue> arguments;
  std::optional<PropertyValue> result;
};

using HandlerRoutine = void (*)(EventRecord& event);

// The routine behind each handler reference of the definitions, at the reference's index; a
// missing or empty slot means no handler.
struct HandlerTable {
  std::vector<HandlerRoutine> routines;

  void Bind(HandlerRef handler, HandlerRoutine routine);
  // The routine bound to `handler`; null when there is none.
  HandlerRoutine Find(HandlerRef handler) const;
};

// Property access. Indexes 0..7 mean the same for every kind (left, top, width, height, tag,
// visible, disabled, mouse cursor) and also work on a window that is not loaded; indexes from 8
// belong to the kind and need the window loaded (a fatal runtime error otherwise).
void WriteProperty(UnitAddress unit, int index, const PropertyValue& value);
PropertyValue ReadProperty(UnitAddress unit, int index);
int32_t ReadInt(UnitAddress unit, int index);
std::string ReadText(UnitAddress unit, int index);
ByteString ReadBytes(UnitAddress unit, int index);
// Clears or sets the common disabled flag (index 6) of a control or window.
void SetEnabled(UnitAddress unit, bool enabled);

// Builds the window from its definition; true when built or already loaded. A modal load
// returns only after the window has been destroyed again. `owner` is a window id or 0.
bool LoadWindow(WindowId window, WindowId owner, bool modal);
// Whether the window is built and not yet destroyed.
bool IsWindowLoaded(WindowId window);
// Destroys the window now, or (default) once the runtime's private message is handled.
void DestroyWindow(WindowId window, bool immediately = false);

// Pops up the items below `menuItem`; at the mouse position + (3, 3), or at x, y when given.
void PopUpMenu(UnitAddress menuItem, std::optional<int> x = {}, std::optional<int> y = {});
// Sets (or, with empty or undecodable icon bytes, removes) the window's tray icon, id 100;
// the tip keeps at most its first 62 bytes in the ANSI code page.
void SetTrayIcon(WindowId window, const ByteString& icon, const std::string& tip);
// Runs the file dialog of a CommonDlg; true when the user confirmed (the path is then index 10).
bool OpenDialog(UnitAddress commonDlg);
// What the user chose in a file dialog: the full path, and the filter in use at the end
// (1-based, as the system counts them).
struct ChosenFile {
  std::string path;
  int filterIndex = 1;
};
// Runs the file dialog that `dialog` describes (as a CommonDlg's properties would) over
// `owner`, without a unit to keep the answer; none when the user cancelled.
std::optional<ChosenFile> AskForFile(WindowId owner, const CommonDlgProperties& dialog);
// The panel's image as a complete 24-bit BMP file at its client size, made in `file` (the
// caller's buffer, its bytes replaced and its memory reused: the save takes its hidden canvas
// frame after frame); empty when it cannot be taken.
void TakePanelPicture(UnitAddress drawPanel, ByteString& file);

// Pictures held by handle: 0 on failure.
int LoadPicture(const ByteString& pictureBytes);
int PictureWidth(UnitAddress control, int picture);
int PictureHeight(UnitAddress control, int picture);
void UnloadPicture(int picture);

// Handles every waiting message; returns when the queue is empty or a quit request is next.
void ProcessPendingEvents();
void BusyCursorOn();
void BusyCursorOff();
// Paints what changed in the window and its controls now, handling no other message: for a
// handler that works on without letting messages through.
void RepaintNow(WindowId window);

// A task-modal message box without owner; gives back the button pressed (IDYES, IDOK, ...).
// Without a caption it reads "信息：".
int ShowMessageBox(const std::string& text, unsigned style, const std::string& caption = "");
