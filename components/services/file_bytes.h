// Whole files as bytes: what the recorder writes per frame, what the save pipeline reads back
// and the player hands to its panel.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

// The whole file; empty when it is missing, unreadable or larger than 1 GiB (no frame or
// picture of this program comes near that, and a 32-bit process could not hold it).
std::vector<uint8_t> ReadWholeFile(const std::string& path);
// The same bytes in `bytes`, whose memory is reused (a caller reading frame after frame keeps
// one buffer); false, leaving it empty, when the file cannot be read.
bool ReadWholeFileInto(const std::string& path, std::vector<uint8_t>& bytes);

// Creates or truncates the file, opened without sharing, and writes `bytes`; true when all
// were written.
bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes);
// The same for a file whose bytes lie in pieces, written one after the other (a screen frame's
// headers, then its rows where the screen's bitmap holds them).
bool WriteFileParts(const std::string& path, std::initializer_list<std::span<const uint8_t>> parts);
