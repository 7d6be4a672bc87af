// Removes the extraction folders the player has given up on a thread of its own: an hour's
// recording leaves 36,000 frame files, and neither the next open nor closing the window should
// wait for them to go.
#pragma once
#include <deque>
#include <mutex>
#include <string>
#include <thread>

class FolderSweeper {
 public:
  FolderSweeper() = default;
  // Waits until every folder handed over is gone.
  ~FolderSweeper();
  FolderSweeper(const FolderSweeper&) = delete;
  FolderSweeper& operator=(const FolderSweeper&) = delete;

  // Removes `folder` and everything in it (RemoveOwnFolderTree) in the background; nothing for
  // an empty path. Called from one thread only.
  void Remove(const std::string& folder);
  // Blocks until every folder handed over has been removed (or refused removal).
  void WaitUntilSwept();

 private:
  void Sweep();

  std::mutex lock_;
  std::deque<std::string> waiting_;
  bool sweeping_ = false;
  std::thread worker_;
};
