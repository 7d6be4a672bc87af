// Small file-system helpers for tests; paths are UTF-8.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// Creates or replaces the file with exactly these bytes; true on success.
bool WriteBytes(const std::string& path, const Bytes& bytes);
bool WriteText(const std::string& path, const std::string& text);
// The whole file; empty when it cannot be read.
Bytes ReadBytes(const std::string& path);
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
bool MakeFolder(const std::string& path);
// Names (not paths) of the entries directly in `folder`, sorted, without "." and "..".
std::vector<std::string> ListFolder(const std::string& folder);
// Deletes a folder tree whatever its contents or attributes (unlike RemoveFolderTree).
void RemoveTree(const std::string& path);
// Reads little-endian fields out of a byte buffer.
uint16_t Le16(const Bytes& bytes, size_t offset);
uint32_t Le32(const Bytes& bytes, size_t offset);
