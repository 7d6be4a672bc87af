// Folder mode of Pack: counts a folder tree and adds it to an archive, files of a folder
// before its subfolders, each subfolder's entry directly before its contents, everything in
// the order the directory listing returns it.
#pragma once
#include <cstdint>
#include <string>

#include "components/zip/archive_writer.h"
#include "components/zip/zip.h"

// Files and folders below `root` at any depth ("." and ".." skipped; an item counts only if
// its full path exists).
uint64_t CountTree(const std::wstring& root);

// Adds everything below `root` to `archive`, raising PackProgress on `sink` after each entry
// with done ÷ `total`. A stop request skips the remaining files of the current folder and the
// contents of every folder not yet walked; folders still being walked get their remaining
// folder entries. False when an entry is refused or a folder cannot be listed; the entries
// added before stay.
bool WalkTree(ArchiveWriter& archive, const std::wstring& root, uint64_t total, ProgressSink* sink);
