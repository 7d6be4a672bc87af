// The file a video is written to until it is complete: beside the target, so that renaming it
// onto the target is one step on one volume; deleted unless it was renamed.
#pragma once
#include <string>

class TemporaryTarget {
 public:
  // `target` + "." + the process id + ".part"; nothing is created yet.
  explicit TemporaryTarget(const std::string& target);
  TemporaryTarget(const TemporaryTarget&) = delete;
  TemporaryTarget& operator=(const TemporaryTarget&) = delete;
  ~TemporaryTarget();

  const std::string& path() const { return path_; }
  // Renames the file onto the target, replacing it; false when the system refuses.
  bool Commit();

 private:
  std::string target_;
  std::string path_;
  bool committed_ = false;
};
