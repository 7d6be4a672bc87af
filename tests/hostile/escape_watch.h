// Watches the places an entry name could reach if it were joined to a folder as it stands, for
// names that carry the campaign's marker. Other programs write into the shared temporary
// folders while a test runs, so only marker names count there; the test's own folder is
// compared whole.
#pragma once
#include <set>
#include <string>
#include <vector>

// Every element the campaign invents for a hostile name holds this text.
inline constexpr char kEscapeMarker[] = "velmo-escape";

class EscapeWatch {
 public:
  // Watches every folder above `target` up to its drive root, the system temporary folder and
  // its parents, the roots and current folders of the drives C: and Z: (Wine's view of the Unix
  // root), /tmp and the current folder, and notes the marker names they hold now.
  explicit EscapeWatch(const std::string& target);

  // Also watches the folder where `name` would land if it were joined to `target` unchanged,
  // unless that lies inside `target`.
  void AddLanding(const std::string& target, const std::string& name);

  // The marker names that appeared in a watched folder since it was first watched, as full
  // paths; empty when nothing escaped. What lies inside the target does not count.
  std::vector<std::string> Escaped() const;

 private:
  void Watch(const std::string& folder);
  bool Inside(const std::string& path) const;

  std::string target_;  // full path
  std::set<std::string> folders_;
  std::set<std::string> before_;
};

// Every file and folder below `folder`, as paths relative to it with "\" between elements,
// sorted.
std::vector<std::string> TreeOf(const std::string& folder);
