// Free space on the volumes the recorder writes to: the working folder's while a take runs,
// the target's before a save. The rules are plain arithmetic; the probe that asks the system is
// replaceable so tests can play a full disk.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

// What a take always leaves free on the working folder's volume. A take at 1920x1080 writes up
// to 62 MB a second (a screen that changes all over in every frame), so the check before each
// frame has to stop it well before the system itself runs dry: 256 MiB keeps clear of the point
// where Windows starts warning of low space (200 MB), leaves the system and other programs room
// to work, and leaves room for the first steps of saving the take. Peers stop at tens of
// megabytes, which leaves a full system drive that can hardly save anything.
constexpr uint64_t kFreeSpaceMargin = 256ull << 20;

// Whether `freeBytes` free can take `writeBytes` more and still keep `margin` free.
bool LeavesMargin(uint64_t freeBytes, uint64_t writeBytes, uint64_t margin);

// The free bytes this user may use on the volume that holds `folder` (which need not exist
// yet: its nearest existing parent is asked); nothing when the system cannot tell.
std::optional<uint64_t> FreeBytesAt(const std::string& folder);

// Whether the volume of `folder` has room for `writeBytes` more with `margin` to spare; an
// unknown free space counts as room, so a system that cannot tell never stops a take or a save.
bool HasRoomFor(const std::string& folder, uint64_t writeBytes, uint64_t margin);

// The probe FreeBytesAt asks; tests install their own (null puts the system's back). Gives back
// the one it replaces.
using FreeSpaceProbe = std::optional<uint64_t> (*)(const std::string& folder);
FreeSpaceProbe SetFreeSpaceProbe(FreeSpaceProbe probe);

// The folder that holds `path` ("D:\out" for "D:\out\take.vmrc"); empty when it names none.
std::string ContainingFolder(const std::string& path);

// The files directly in a folder and their bytes together.
struct FolderBytes {
  uint64_t files = 0;
  uint64_t bytes = 0;
};
FolderBytes FilesInFolder(const std::string& folder);

// Megabytes (of 2^20 bytes) as the user reads them in the messages, rounded up: "1", "1536".
std::string MegabytesText(uint64_t bytes);
