// ZIP component: Pack writes a ZIP archive from a folder tree or from one file; Unpack extracts
// every entry of an archive into a folder. Both run synchronously and report progress after
// each entry through a ProgressSink. Paths are UTF-8; either "\" or "/" separates folders.
#pragma once
#include <string>

// Results of Pack and Unpack.
constexpr int kZipDone = 1;         // archive written / all entries extracted (also after a stop request)
constexpr int kZipFailed = 0;       // an entry, the archive, a folder or a file failed; or the archive was refused
constexpr int kZipBadArguments = -1;  // a path is empty, or the source / archive does not exist

// The component's two events, by their index on the component.
enum class ZipEvent : int { PackProgress = 0, UnpackProgress = 1 };

// Where a ZipComponent's progress events go. In the program this is the control runtime's event
// delivery for the component on its window; tools and tests pass their own.
class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  // Whether the component's window still exists: events are raised, and stop requests
  // honoured, only while it does.
  virtual bool WindowExists() = 0;
  // Delivers the event with its integer percent; gives back false to ask the component to stop.
  virtual bool Raise(ZipEvent event, int percent) = 0;
};

// Packs `source` into the archive `archive` (created or replaced). A folder is packed whole with
// its entries relative to it (folder mode, PackProgress after each entry); anything else is
// packed as a single entry named after its last path element (no events). Returns kZipDone,
// kZipFailed (a failed folder walk leaves a closed partial archive; a failed single file leaves
// none) or kZipBadArguments. `sink` may be null.
int Pack(ProgressSink* sink, const std::string& source, const std::string& archive);

// Extracts every entry of `archive` below `target`, creating `target` and its missing parents.
// Existing files are overwritten. An entry whose name would land outside `target` (a ".."
// element, a drive, a leading separator, an alternate stream, a device name) is refused with
// kZipFailed, and the entries before it stay. Returns kZipDone, kZipFailed or
// kZipBadArguments. `sink` may be null.
int Unpack(ProgressSink* sink, const std::string& archive, const std::string& target);
