// hotkey_holder.exe: another program that holds a hotkey, as a user's other tools do. It
// registers the combination, says so by setting the named event READY, and keeps it until the
// named event RELEASE is set (at most a minute), then ends.
//
//   hotkey_holder.exe MODIFIERS VIRTUAL_KEY READY RELEASE      (numbers in decimal)
//
// Exit code 0 after holding it, 1 when the system refused the registration.
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
  if (argc != 5) return 2;
  const UINT modifiers = static_cast<UINT>(std::wcstoul(argv[1], nullptr, 10));
  const UINT key = static_cast<UINT>(std::wcstoul(argv[2], nullptr, 10));
  if (!RegisterHotKey(nullptr, 1, modifiers | MOD_NOREPEAT, key)) return 1;
  HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[3]);
  HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, argv[4]);
  if (ready) SetEvent(ready);
  if (release) WaitForSingleObject(release, 60000);
  UnregisterHotKey(nullptr, 1);
  return 0;
}
