// Path joining, full paths and folder creation at the Win32 boundary, over UTF-16 paths; what
// is at a path comes from the services (path_kind.h).
#pragma once
#include <string>

#include "components/services/path_kind.h"

// `folder` + "\" + `name`, without doubling a separator `folder` already ends with.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);

// The absolute, normalised form of `path` ("." and ".." resolved, "/" turned into "\"); empty
// when the system cannot form it.
std::wstring FullPath(const std::wstring& path);

// Creates `path` as a folder together with every missing parent. True when it is a folder
// afterwards (also when it already was).
bool CreateFolderTree(const std::wstring& path);
