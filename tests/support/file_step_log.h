// The steps that put a save on the disk, as the program takes them: while a FileStepLog lives,
// every flush, written-through rename, deletion and folder removal of lasting_files.h is noted
// as "flushed 1.jpg", "renamed take.mp4", "deleted 1.bmp" or "removed folder greentemp" (the
// last element of each path), in the order taken, whatever thread took it.
#pragma once
#include <string>
#include <vector>

class FileStepLog {
 public:
  FileStepLog();
  ~FileStepLog();
  FileStepLog(const FileStepLog&) = delete;
  FileStepLog& operator=(const FileStepLog&) = delete;

  std::vector<std::string> steps() const;
  // Where `step` first came in the log; -1 when it never did.
  int IndexOf(const std::string& step) const;
};

