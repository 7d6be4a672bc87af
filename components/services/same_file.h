// Whether two paths name one file, however they are spelt, and paths kept to compare later.
#pragma once
#include <string>

// True when `a` and `b` (UTF-8) name the same file: their full paths, with short (8.3) names
// made long, are equal without regard to case; or both exist and the system gives them the same
// volume serial number and file index, which catches every other spelling (a short name of a
// folder in the path, a link, another drive letter for the same volume). False when they
// differ or when either is empty.
bool NamesSameFile(const std::string& a, const std::string& b);

// `path` (UTF-8) made absolute and normalised against the current folder of this moment ("."
// and ".." resolved); `path` itself when the system cannot form it. For a path kept for later,
// when a file dialog may have moved the current folder.
std::string AbsolutePath(const std::string& path);
