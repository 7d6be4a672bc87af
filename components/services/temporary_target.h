// The file a save (a video, a recording made of a range of frames, the settings file) is written
// to until it is complete: beside the target, so that renaming it onto the target is one step on
// one volume; deleted unless it was renamed. A power cut leaves either the old target or the whole new file
// under its name, never a file half on the disk.
#pragma once
#include <string>

class TemporaryTarget {
 public:
  // `target` + "." + the process id + ".part"; nothing is created yet.
  explicit TemporaryTarget(const std::string& target);
  // `target` + `suffix`, for a file with a temporary name of its own (settings.ini.tmp).
  TemporaryTarget(const std::string& target, const std::string& suffix);
  TemporaryTarget(const TemporaryTarget&) = delete;
  TemporaryTarget& operator=(const TemporaryTarget&) = delete;
  ~TemporaryTarget();

  const std::string& path() const { return path_; }
  // Flushes the file to the disk, then renames it onto the target, replacing it, the rename
  // written through; false when the system refuses either.
  bool Commit();

 private:
  std::string target_;
  std::string path_;
  bool committed_ = false;
};
