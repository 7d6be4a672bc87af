// System services: well-known folders, removing a folder tree, opening a web page, the places
// DLLs load from. The folder also offers byte blocks (byte_string.h), number texts
// (number_text.h), ASCII names compared without regard to case (ascii_case.h), UTF-8/UTF-16
// conversion at the Win32 boundary (wide_text.h), owners for kernel handles (win_handle.h),
// files that outlast a power cut (lasting_files.h), files written under a temporary name until
// complete (temporary_target.h), whether two paths name one file (same_file.h) and the
// high-resolution clock (steady_clock.h).
#pragma once
#include <string>

// The folder of the given kind, always ending in "\": 1 documents, 2 favourites, 3 desktop,
// 4 fonts, 5 start menu, 6 programs, 7 start-up, 8 application data, 9 Windows, 10 system,
// 11 temporary. Shell folders are not created when missing. Empty for any other kind or when
// the system cannot answer. A path that fills MAX_PATH still gets its "\".
std::string SpecialFolderPath(int kind);
// The kind of the temporary folder, where the program keeps its working folders.
inline constexpr int kTemporaryFolder = 11;

// Deletes everything in `path` whose name does not begin with "." (recursively), then the folder
// itself. True when the folder itself is gone. Refuses an empty path and a drive root ("C:",
// "C:\") with false, leading blanks ignored; so is any path that resolves to a root
// ("C:\Temp\..", "\", "\\server\share"). Entries that cannot be deleted (read-only files, files
// in use) stay, and so then does the folder. A linked folder inside is removed as a link; what
// it points to is never emptied.
bool RemoveFolderTree(const std::string& path);
// As RemoveFolderTree, but names that begin with "." go as well: for a folder the program made
// and filled itself (the player's extraction folder), of which nothing may stay behind.
bool RemoveOwnFolderTree(const std::string& path);

// The primary screen's size in pixels; other monitors are not counted.
struct ScreenSize {
  int width;
  int height;
};
ScreenSize PrimaryScreenSize();

// A rectangle of the screen by its top-left corner and its size.
struct ScreenArea {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool IsEmpty() const { return width <= 0 || height <= 0; }
  bool operator==(const ScreenArea&) const = default;
};
// The part of the primary screen that windows may cover: the screen without the taskbar and
// other bars docked to its edges, in the same coordinates as window positions.
ScreenArea PrimaryWorkArea();

// Takes the current folder and the PATH out of the places DLLs are loaded from at run time, so
// a DLL dropped beside a document the user opens is never loaded: the program's own folder and
// the system's remain. (The DLLs the program imports, FFmpeg's, the system's loader finds in the
// program's own folder before anywhere else, before this can run.) Called first thing by each
// program.
void UseSafeDllSearch();

// The full path of `name` in the folder of the running executable.
std::string ProgramFilePath(const std::string& name);

// Hands `address` to the system's default handler (normally the web browser), owned by the
// window titled "Microsoft Internet Explorer" if there is one. An empty address opens
// "about.html" beside the executable. Reports nothing.
void OpenWebPage(const std::string& address);

// The shell call behind OpenWebPage, replaceable so that tests never open a browser.
// Receives the owner window (may be null) and the address.
using ShellOpenFunction = void (*)(void* ownerWindow, const std::wstring& address);
// Installs `open` (null puts back the system's own call) and gives back the one it replaces.
ShellOpenFunction SetShellOpenFunction(ShellOpenFunction open);
