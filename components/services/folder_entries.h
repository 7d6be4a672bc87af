// The entries directly in a folder, as the system lists them: one listing that the frame counts,
// the unsaved-take rules and the free-space arithmetic share.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

// Hands each entry directly in `folder` ("." and ".." left out) to `visit` until it answers
// false. Nothing for a missing or unreadable folder, or an empty name (which would list the
// current drive's root).
void ForEachFolderEntry(const std::string& folder, const std::function<bool(const WIN32_FIND_DATAW&)>& visit);

// Whether the listed entry is a folder rather than a file.
inline bool IsSubfolder(const WIN32_FIND_DATAW& entry) { return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
