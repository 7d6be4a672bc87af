// External attributes of entries, and how a file is recognised as an executable program for
// the owner-execute bit.
#pragma once
#include <cstddef>
#include <cstdint>

// A folder entry: directory, owner read, write and execute, and the DOS directory bit.
constexpr uint32_t kFolderEntryAttributes = 0x41C00010;

// Attribute bits of a file as the file system reports them (FILE_ATTRIBUTE_*).
constexpr uint32_t kReadOnlyBit = 0x01;
constexpr uint32_t kDirectoryBit = 0x10;
// The Unix directory mode bit, as written by other tools for folder entries.
constexpr uint32_t kUnixDirectoryBit = 0x40000000;

// A file's external attributes: its read-only, hidden, system and archive bits in the low
// byte; a regular-file mode with owner read, owner write unless read-only, and owner execute
// when `executable`. A typical frame file gives 0x81800020.
uint32_t FileEntryAttributes(uint32_t fileSystemAttributes, bool executable);

// Whether external attributes describe a folder (the DOS bit or the Unix directory bit).
bool IsFolderEntry(uint32_t externalAttributes);

// Where an executable's new-style header would start: the file's first 64 bytes must begin
// with "MZ", and the offset is the 32-bit value at byte 60. Zero when `head` is too short or
// does not begin with "MZ".
uint32_t NewHeaderOffset(const uint8_t* head, size_t size);

// Whether the bytes at the new-header offset carry the PE ("PE\0\0"), NE or LE signature.
bool IsExecutableSignature(const uint8_t* signature, size_t size);
