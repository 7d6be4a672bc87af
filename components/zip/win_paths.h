// File-system path questions and folder creation at the Win32 boundary, over UTF-16 paths.
#pragma once
#include <string>

// Whether anything (file or folder) exists at `path`.
bool PathExists(const std::wstring& path);
bool IsFolder(const std::wstring& path);

// `folder` + "\" + `name`, without doubling a separator `folder` already ends with.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);

// The absolute, normalised form of `path` ("." and ".." resolved, "/" turned into "\"); empty
// when the system cannot form it.
std::wstring FullPath(const std::wstring& path);

// Creates `path` as a folder together with every missing parent. True when it is a folder
// afterwards (also when it already was).
bool CreateFolderTree(const std::wstring& path);
