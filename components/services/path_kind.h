// What is at a path: nothing, a file or a folder. UTF-16 paths at the Win32 boundary and the
// program's UTF-8 ones alike.
#pragma once
#include <cstdint>
#include <string>

// Whether anything (file or folder) exists at `path`.
bool PathExists(const std::wstring& path);
bool PathExists(const std::string& path);
bool IsFolder(const std::wstring& path);
bool IsFolder(const std::string& path);
// A file, not a folder.
bool IsFile(const std::string& path);
// The size in bytes of the file at `path`; 0 when there is none.
uint64_t FileSizeAt(const std::string& path);
