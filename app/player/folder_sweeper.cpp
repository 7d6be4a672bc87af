#include "app/player/folder_sweeper.h"

#include "components/services/services.h"

FolderSweeper::~FolderSweeper() { WaitUntilSwept(); }

// A sweep ends its thread once nothing waits; the next folder starts a new one, after the old
// thread has been joined.
void FolderSweeper::Remove(const std::string& folder) {
  if (folder.empty()) return;
  std::lock_guard<std::mutex> hold(lock_);
  waiting_.push_back(folder);
  if (sweeping_) return;
  if (worker_.joinable()) worker_.join();
  sweeping_ = true;
  worker_ = std::thread(&FolderSweeper::Sweep, this);
}

void FolderSweeper::WaitUntilSwept() {
  if (worker_.joinable()) worker_.join();
}

void FolderSweeper::Sweep() {
  for (;;) {
    std::string folder;
    {
      std::lock_guard<std::mutex> hold(lock_);
      if (waiting_.empty()) {
        sweeping_ = false;
        return;
      }
      folder = std::move(waiting_.front());
      waiting_.pop_front();
    }
    RemoveOwnFolderTree(folder);
  }
}
