// UnpackInOrder: reads the directory once, asking the order for each entry's rank; extracts the
// ranked entries by rank (going on from a rank the order wants next, when it asks), then the
// others in archive order; and when an entry fails after entries were taken out of order,
// unpacks the folder anew in archive order, so that what is left is what Unpack leaves.
#include <algorithm>
#include <vector>

#include "components/services/services.h"
#include "components/services/wide_text.h"
#include "components/zip/entry_attributes.h"
#include "components/zip/entry_name.h"
#include "components/zip/entry_name_safety.h"
#include "components/zip/progress.h"
#include "components/zip/unpack_steps.h"
#include "components/zip/win_paths.h"

namespace {

// At most this many entries (24 bytes each) are taken ahead of archive order: at ten frames a
// second, 14 hours of a recording. Ranked entries beyond it follow in archive order.
constexpr size_t kMostTakenFirst = size_t{1} << 19;
// While the directory is read, a stop request is asked for after this many entries.
constexpr uint64_t kEntriesBetweenStopChecks = 4096;

struct RankedEntry {
  uint32_t rank = 0;
  ZipReader::Place place;
};

struct Listing {
  std::vector<RankedEntry> first;  // sorted by rank, then place
  std::vector<bool> takenFirst;    // by entry index
};

// The current entry's path below the target as the order is shown it; false for a name Unpack
// would refuse (or a header it cannot read), which stays in archive order and fails there.
bool CurrentPath(ZipReader& reader, std::string* path) {
  ReaderEntry entry;
  if (!reader.CurrentEntry(&entry)) return false;
  const std::string name = EntryNameText(entry.name, entry.flags);
  if (!IsSafeEntryName(name)) return false;
  *path = EntryPathInFolder(name);
  if (IsFolderEntry(entry.externalAttributes) && !path->empty() && path->back() != '\\') *path += '\\';
  return true;
}

uint32_t CurrentRank(ZipReader& reader, UnpackOrder& order) {
  std::string path;
  return CurrentPath(reader, &path) && !path.empty() ? order.Rank(path) : 0;
}

// Reads the directory to its end; false when a header on the way is damaged, as CountEntries.
bool ListEntries(UnpackRun& run, ZipReader& reader, UnpackOrder& order, Listing& listing) {
  ZipReader::Step step = reader.First();
  for (; step == ZipReader::Step::Entry; step = reader.Next()) {
    const uint32_t rank = CurrentRank(reader, order);
    const bool first = rank != 0 && listing.first.size() < kMostTakenFirst;
    if (first) listing.first.push_back({rank, reader.CurrentPlace()});
    listing.takenFirst.push_back(first);
    if (++run.total % kEntriesBetweenStopChecks == 0 &&
        (run.stopped = RaiseAndAskStop(run.sink, ZipEvent::UnpackProgress, 0)))
      return true;
  }
  std::stable_sort(listing.first.begin(), listing.first.end(),
                   [](const RankedEntry& a, const RankedEntry& b) { return a.rank < b.rank; });
  return step == ZipReader::Step::End;
}

// The ranked entry to take next, going on from `next`: the wanted rank's first entry when there
// is one, then the first not yet taken, round past the last. Some entry is still to be taken.
size_t NextRankedEntry(const std::vector<RankedEntry>& ranked, const std::vector<bool>& taken, size_t next,
                       uint32_t wanted) {
  if (wanted != 0) {
    const auto at = std::lower_bound(ranked.begin(), ranked.end(), wanted,
                                     [](const RankedEntry& entry, uint32_t rank) { return entry.rank < rank; });
    if (at != ranked.end() && at->rank == wanted) next = static_cast<size_t>(at - ranked.begin());
  }
  while (taken[next]) next = (next + 1) % ranked.size();
  return next;
}

int TakeRankedEntries(UnpackRun& run, ZipReader& reader, UnpackOrder& order, const Listing& listing,
                      const EntryTargets& targets, DataSpans& spans) {
  const std::vector<RankedEntry>& ranked = listing.first;
  std::vector<bool> taken(ranked.size());
  size_t next = 0;
  for (size_t left = ranked.size(); left > 0; --left) {
    next = NextRankedEntry(ranked, taken, next, order.Wanted());
    const RankedEntry& entry = ranked[next];
    if (reader.GoTo(entry.place) != ZipReader::Step::Entry || !ExtractEntry(reader, targets, spans)) return kZipFailed;
    taken[next] = true;
    order.Reached(entry.rank);
    if (AfterEntry(run)) return kZipDone;
  }
  return kZipDone;
}

int TakeOtherEntries(UnpackRun& run, ZipReader& reader, const Listing& listing, const EntryTargets& targets,
                     DataSpans& spans) {
  ZipReader::Step step = reader.First();
  for (uint64_t index = 0; step == ZipReader::Step::Entry; step = reader.Next(), ++index) {
    if (listing.takenFirst[index]) continue;
    if (!ExtractEntry(reader, targets, spans)) return kZipFailed;
    if (AfterEntry(run)) return kZipDone;
  }
  return step == ZipReader::Step::End ? kZipDone : kZipFailed;
}

// Entries taken out of order may have made an entry fail that Unpack extracts (its data
// claimed, its path taken) or written files Unpack never reaches: the folder starts again.
int UnpackAgainInArchiveOrder(UnpackRun& run, ZipReader& reader, const std::string& archive, const std::string& target) {
  RemoveOwnFolderTree(target);
  const std::wstring targetPath = Widen(target);
  if (!CreateFolderTree(targetPath)) return kZipFailed;
  run.taken = 0;
  return ExtractInArchiveOrder(run, reader, Widen(archive), targetPath);
}

int UnpackArchive(UnpackRun& run, UnpackOrder& order, const std::string& archive, const std::string& target) {
  ZipReader reader;
  const int opened = OpenForUnpack(archive, target, reader);
  if (opened != kZipDone) return opened;
  Listing listing;
  if (!ListEntries(run, reader, order, listing)) return kZipFailed;
  if (run.stopped) return kZipDone;
  order.Listed();
  const EntryTargets targets(Widen(target));
  DataSpans spans;
  int result = TakeRankedEntries(run, reader, order, listing, targets, spans);
  if (result == kZipDone && !run.stopped) result = TakeOtherEntries(run, reader, listing, targets, spans);
  if (result == kZipFailed && !listing.first.empty()) return UnpackAgainInArchiveOrder(run, reader, archive, target);
  return result;
}

}  // namespace

int UnpackInOrder(ProgressSink* sink, UnpackOrder& order, const std::string& archive, const std::string& target) {
  UnpackRun run;
  run.sink = sink;
  return EndRun(run, UnpackArchive(run, order, archive, target));
}
