// velmo.exe driven from outside, as a user starts and ends it: its process, its windows found
// by class and caption, RecorderWindow with its status text; and what a driver says as it goes,
// with the problem that stopped it.
#pragma once
#include <windows.h>

#include <string>

#include "components/services/win_handle.h"

// The class names of the program's windows and of its text labels.
inline constexpr wchar_t kFormClass[] = L"VelmoForm";
inline constexpr wchar_t kLabelClass[] = L"VelmoLabel";

class OutsideProgram {
 public:
  // Starts `program` (a Windows path) with its own folder as the current one, and `argument`
  // quoted on its command line unless it is empty; false, saying so (Fail), when the system
  // refuses. A program started before by this object is let go of, not ended.
  bool Start(const std::string& program, const std::wstring& argument = L"");
  // Waits for RecorderWindow and its status text "停止："; false, saying which did not appear.
  bool RecorderShown();

  // The first visible top-level window of the program of `windowClass` whose caption is
  // `caption` (empty: any) and, unless null, whose owner is `owner`, waited for up to a step's
  // time (waiting.h); null when none came.
  HWND Window(const wchar_t* windowClass, const std::string& caption, HWND owner = nullptr) const;
  bool Ended() const;
  // Ends the program at once with `exitCode`, as the task manager does, and waits for its end.
  void Kill(UINT exitCode = 1) const;

  bool started() const { return process_.get() != nullptr; }
  DWORD id() const { return id_; }
  HANDLE process() const { return process_.get(); }

  HWND recorder = nullptr;  // RecorderWindow, once RecorderShown found it
  HWND status = nullptr;    // its 标签1

 private:
  UniqueWinHandle<HANDLE, CloseHandle, NullHandle> process_;
  DWORD id_ = 0;
};

// A driver's report: lines on standard output, each "<name>: <line>", flushed at once.
void SetDriverName(const std::string& name);
void Say(const std::string& line);
// Keeps `problem` as what stopped the driver and answers false, so a step can end with
// `return ok || Fail("...")`.
bool Fail(const std::string& problem);
const std::string& Problem();
