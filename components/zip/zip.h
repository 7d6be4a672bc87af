// ZIP component: Pack writes a ZIP archive from a folder tree or from one file, PackPrepared
// from entries prepared ahead; Unpack extracts every entry of an archive into a folder. They
// run synchronously and report progress after each entry through a ProgressSink. Paths are
// UTF-8; either "\" or "/" separates folders.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

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
// its entries relative to it, files of each folder before its subfolders (folder mode,
// PackProgress after each entry; a stop request skips what is not yet walked and still gives
// kZipDone); anything else is packed as a single entry named after its last path element (no
// events). Returns kZipDone, kZipFailed or kZipBadArguments. Sizes and offsets of 4 GiB or
// more and more than 65535 entries are written in the ZIP64 form, and only those: an archive
// within the classic limits holds no ZIP64 record. kZipFailed also when a name passes 65535
// bytes, when the central directory cannot be written, and when a single file would be packed onto
// itself. A failed folder walk leaves a closed archive of the entries completed so far; a
// failed single file leaves none. `sink` may be null.
int Pack(ProgressSink* sink, const std::string& source, const std::string& archive);

// One file of PackFiles: where it is and the entry name it gets (UTF-8, "\" or "/" between
// elements).
struct PackedFile {
  std::string path;
  std::string name;
};

// Packs `files` into the archive `archive` (created or replaced), in the given order, as folder
// mode would pack a folder holding exactly these files under these names: the same method,
// flags, times and attributes for each entry, taken from each file, and the same records. For a
// new archive made of files kept elsewhere, renamed on the way (a range of a recording's
// frames). No events. Returns kZipDone; kZipFailed when the archive cannot be created or an
// entry is refused (a missing source included), leaving a closed archive of the entries before
// it; kZipBadArguments for an empty archive path.
int PackFiles(const std::vector<PackedFile>& files, const std::string& archive);

// Makes, ahead of packing, the data Pack would give an entry named `name` (UTF-8, "\" or "/"
// between elements) for a file holding `bytes`: the same raw deflate stream at level 8, or the
// bytes as they are for a name Pack stores. Writes it to the prepared-entry file `preparedPath`
// (created or replaced) behind a small header with the method, the CRC-32 and both sizes, for
// PackPrepared. Runs on any thread. Returns kZipDone; kZipFailed when the file cannot be
// written (none is left behind); kZipBadArguments for an empty name or path.
int PrepareEntry(const std::string& name, std::span<const uint8_t> bytes, const std::string& preparedPath);

// The same for the file at `sourcePath`, read and deflated in pieces, so its size never matters
// to memory. For a name Pack deflates; kZipBadArguments for one it stores.
int PrepareFileEntry(const std::string& name, const std::string& sourcePath, const std::string& preparedPath);

// Packs `entries` (path: a prepared-entry file; name: the entry's name) into the archive
// `archive` (created or replaced), in the given order, by writing headers and copying the
// prepared data. Each entry is exactly the one folder mode writes for a file of that name
// holding the prepared bytes, with the prepared file's own times and attributes; one prepared
// file may serve several entries. PackProgress with done ÷ total after each entry that moves
// the percent on (an entry takes a fraction of a millisecond, so thousands of events would cost
// more than the packing), and a stop request leaves the rest out and still gives kZipDone, as
// in folder mode. Returns kZipDone;
// kZipFailed when the archive cannot be created or written, or a prepared file is missing,
// damaged, cut short or prepared for a name of the other method, leaving no archive behind;
// kZipBadArguments for an empty archive path. `sink` may be null.
int PackPrepared(ProgressSink* sink, const std::vector<PackedFile>& entries, const std::string& archive);

// Extracts every entry of `archive` below `target`, creating `target` and its missing parents.
// Existing files are overwritten (read-only ones too) and end with normal attributes. An
// archive must begin with a local header whose first entry has a name. Names are UTF-8 when
// the entry's flag bit 11 says so, else in the ANSI code page. A file entry inside a folder
// needs that folder to exist (its folder entry comes first). An entry whose name would land
// outside `target` (a ".." element, a drive, a leading separator, an alternate stream, a
// device name) is refused with kZipFailed, as is an encrypted entry, one neither stored nor
// deflated, and one whose data overlaps the data of an entry extracted before it (the way a
// small archive is made to write without bound); the entries before it stay. UnpackProgress
// follows each entry with its zero-based index ÷ the entry count, and every outcome except a
// stop request ends with one more event at 100 (also when nothing could be counted). A stop
// request ends at once with kZipDone. Returns kZipDone, kZipFailed or kZipBadArguments. `sink`
// may be null.
int Unpack(ProgressSink* sink, const std::string& archive, const std::string& target);

// The order UnpackInOrder takes entries in. Entries the order ranks come first, lowest rank
// first (entries of one rank in archive order); every other entry follows in archive order.
class UnpackOrder {
 public:
  virtual ~UnpackOrder() = default;
  // An entry's rank by its path below the target (UTF-8, "\" between elements, a folder's path
  // ending in "\"); 0 leaves it to archive order. Asked once per entry while the directory is
  // read; entries whose names Unpack would refuse are not asked.
  virtual uint32_t Rank(const std::string& path) = 0;
  // The whole directory has been read; the first entry is next.
  virtual void Listed() = 0;
  // The ranked entry of `rank` is in the folder. Without a wanted rank the ranked entries come
  // in rank order, so then every entry of a lower rank is too.
  virtual void Reached(uint32_t rank) = 0;
  // Asked before each ranked entry is taken, from the unpacking thread: a rank to take next, or
  // 0 for none. The ranked entries then go on in rank order from that rank's first entry not
  // yet taken, and the ones passed over follow after the last; a rank no entry has changes
  // nothing.
  virtual uint32_t Wanted() { return 0; }
};

// Unpack with ranked entries first, so that a caller can use the first entries while later ones
// are still being written. The folder ends as Unpack leaves it, failures included: when any
// entry fails after entries were taken out of archive order, the folder is emptied and unpacked
// again in archive order, so `target` must be a folder of the caller's own, new or empty.
// UnpackProgress counts the entries taken (again from 0 when the folder is unpacked anew); while
// the directory is read it is raised at 0 every few thousand entries, so a stop request is
// honoured there too. Results and the final event as for Unpack; `sink` may be null.
int UnpackInOrder(ProgressSink* sink, UnpackOrder& order, const std::string& archive, const std::string& target);
