// System services: well-known folders, removing a folder tree, opening a web page.
#pragma once
#include <string>

// The folder of the given kind, always ending in "\": 1 documents, 2 favourites, 3 desktop,
// 4 fonts, 5 start menu, 6 programs, 7 start-up, 8 application data, 9 Windows, 10 system,
// 11 temporary. Empty for any other kind or when the system cannot answer.
std::string SpecialFolderPath(int kind);

// Deletes everything in `path` whose name does not begin with "." (recursively), then the folder
// itself. True when the folder itself is gone. Refuses an empty path and a drive root ("C:",
// "C:\") with false, leading blanks ignored.
bool RemoveFolderTree(const std::string& path);

// Hands `address` to the system's default handler (normally the web browser). Reports nothing.
void OpenWebPage(const std::string& address);

// The shell call behind OpenWebPage, replaceable so that tests never open a browser.
// Receives the owner window (may be null) and the address.
using ShellOpenFunction = void (*)(void* ownerWindow, const std::wstring& address);
// Installs `open` and gives back the one it replaces.
ShellOpenFunction SetShellOpenFunction(ShellOpenFunction open);
