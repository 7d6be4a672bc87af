// Files that outlast a power cut. A file's bytes reach the disk only when they are flushed
// through the system's cache; a finished file goes onto its target in one rename that is itself
// written through. Whatever may go only once something else is on the disk (a frame's bitmap
// once its JPEG is, the working folder once the recording is) is deleted through here as well,
// so the order of the steps can be watched: a test installs a watch and reads them back in the
// order they were taken.
#pragma once
#include <string>

// Writes the file's cached bytes and its size to the disk (FlushFileBuffers); false when the
// file cannot be opened for writing or the system refuses. Other handles on the file may stay
// open: the flush covers the file, not one handle.
bool FlushFileToDisk(const std::string& path);

// Renames `from` onto `to`, replacing a file of that name, and returns once the rename is on
// the disk (MOVEFILE_WRITE_THROUGH); false when the system refuses, `from` then unchanged.
bool MoveFileIntoPlace(const std::string& from, const std::string& to);

// Deletes one file; false when it cannot (missing, in use, read-only).
bool DeleteOneFile(const std::string& path);

// The steps a watch sees, each after it succeeded: FlushFileToDisk (the path flushed),
// MoveFileIntoPlace (the target's path), DeleteOneFile, and RemoveFolderTree and
// RemoveOwnFolderTree when the folder itself is gone (the folder's path).
enum class FileStep { Flushed, Renamed, Deleted, RemovedFolder };

// Called after each step, on the thread that took it (a save flushes its JPEG files on a thread
// of its own). Installed by tests; null means none.
using FileStepWatch = void (*)(FileStep step, const std::string& path);
// Installs `watch` (null: none) and gives back the one it replaces.
FileStepWatch SetFileStepWatch(FileStepWatch watch);

// Hands a step taken elsewhere in the services to the watch.
void ReportFileStep(FileStep step, const std::string& path);
