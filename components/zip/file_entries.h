// Adding a run of files to an archive, the coming ones deflated ahead on the spare cores while
// the entry before them is written: the one way folder mode and PackFiles add their files.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "components/zip/archive_writer.h"

// A file to add: where it is and the name its entry gets.
struct FileEntrySource {
  std::wstring path;
  std::string name;
};

// Whether a file that has gone since it was listed is passed over (a folder's listing) or
// refuses the run (a list the caller vouches for).
enum class VanishedFile { Skip, Refuse };

// Adds `files` in order; after each entry `entryDone` is called and answers whether to go on.
// False when an entry is refused; the entries added before stay.
bool AddFileEntries(ArchiveWriter& archive, const std::vector<FileEntrySource>& files, VanishedFile vanished,
                    const std::function<bool()>& entryDone);
