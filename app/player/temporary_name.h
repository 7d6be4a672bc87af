// Fresh names for the player's extraction folders: "%x.tmp" in a given folder, from the tick
// count plus a per-process request counter, moved on past every name already taken.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

// The first free name at or after `tickCount` + `request`, as folder (a "\" added when missing)
// + lower-case hex + ".tmp"; `taken` answers whether a file or folder of a path exists. The
// number wraps at 32 bits, as the tick count does.
std::string TemporaryNameFrom(const std::string& folder, uint32_t tickCount, uint32_t request,
                              const std::function<bool(const std::string&)>& taken);

// The same over the real tick count, this process's request counter and the file system.
std::string TemporaryNameNotYetInUse(const std::string& folder);
