#include "tests/hostile/hostile_names.h"

namespace {

const std::string kFile = "velmo-escape.txt";

std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

std::string WithNul(const char (&text)[], size_t size) { return std::string(text, size); }

std::vector<HostileName> MakeNames() {
  const std::string& f = kFile;
  return {
      // Parent elements, alone, chained and hidden behind a folder.
      {"parent", "../" + f, false},
      {"parent backslash", "..\\" + f, false},
      {"two parents", "../../" + f, false},
      {"two parents backslash", "..\\..\\" + f, false},
      {"deep chain", Repeat("../", 24) + f, false},
      {"deep chain backslash", Repeat("..\\", 24) + f, false},
      {"parent alone", "..", false},
      {"parent folder", "../", false},
      {"through a folder", "velmo-escape-d/../../" + f, false},
      {"through a folder backslash", "velmo-escape-d\\..\\..\\" + f, false},
      {"dot then parent", "./../" + f, false},
      {"dot inside a chain", "velmo-escape-d/./../../" + f, false},
      {"parent then back in", "../velmo-escape-d/" + f, false},
      {"parent at the end", "velmo-escape-d/..", false},
      // Roots and drives.
      {"root", "/" + f, false},
      {"root backslash", "\\" + f, false},
      {"two roots", "//" + f, false},
      {"root then parent", "/../" + f, false},
      {"unix folder", "/tmp/" + f, false},
      {"drive root", "C:\\" + f, false},
      {"drive root slash", "C:/" + f, false},
      {"drive without separator", "C:" + f, false},
      {"lower drive without separator", "c:" + f, false},
      {"wine unix drive", "Z:\\tmp\\" + f, false},
      {"wine unix drive relative", "Z:" + f, false},
      {"drive relative parent", "C:..\\" + f, false},
      {"drive root parent", "C:\\..\\" + f, false},
      {"drive system folder", "C:\\windows\\temp\\" + f, false},
      // Shares and device paths.
      {"share", "\\\\server\\share\\" + f, false},
      {"share slashes", "//server/share/" + f, false},
      {"long path prefix", "\\\\?\\C:\\" + f, false},
      {"device prefix", "\\\\.\\C:\\" + f, false},
      {"long share prefix", "\\\\?\\UNC\\server\\share\\" + f, false},
      {"admin share", "\\\\localhost\\C$\\" + f, false},
      {"pipe", "\\\\.\\pipe\\velmo-escape", false},
      {"nt object path", "\\??\\C:\\" + f, false},
      // Streams and colons.
      {"stream", f + ":stream", false},
      {"data stream", f + "::$DATA", false},
      {"named data stream", f + ":s:$DATA", false},
      {"stream on a folder", "velmo-escape-d:s", false},
      {"stream hiding a parent", "velmo-escape:..\\..\\x", false},
      {"zone stream", f + ":Zone.Identifier", false},
      {"root colon parent", "/:../" + f, false},
      {"colon root parent", ":/../" + f, false},
      {"root colon parent backslash", "/:..\\" + f, false},
      {"leading colon", ":" + f, false},
      {"parent colon", "..:/" + f, false},
      {"drive colon parent", "C:/:../" + f, false},
      // Mixed separators.
      {"parent backslash slash", "..\\/" + f, false},
      {"parent slash backslash", "../\\" + f, false},
      {"folder backslash double slash", "velmo-escape-d\\..//../" + f, false},
      {"folder slash backslashes", "velmo-escape-d/..\\..\\" + f, false},
      {"dot backslash parent", ".\\../" + f, false},
      // Trailing dots and spaces, which Windows trims.
      {"parent space", ".. /" + f, false},
      {"parent two spaces", "..  /" + f, false},
      {"three dots", ".../" + f, false},
      {"four dots", "..../" + f, false},
      {"dot space dot", ". ./" + f, false},
      {"space parent", " ../" + f, false},
      {"parent space dot", ".. ./" + f, false},
      {"two parents with spaces", "velmo-escape-d/.. /.. /" + f, false},
      // Devices.
      {"console", "CON", false},
      {"console with extension", "con.txt", false},
      {"null device", "NUL", false},
      {"null device jpg", "nul.jpg", false},
      {"aux", "AUX", false},
      {"printer", "PRN", false},
      {"serial port", "COM1", false},
      {"serial port with extension", "com9.log", false},
      {"parallel port", "LPT1", false},
      {"parallel port with extension", "lpt3.txt", false},
      {"console in a folder", "velmo-escape-d/CON", false},
      {"device as folder", "aux/" + f, false},
      {"console input", "CONIN$", false},
      {"console output", "CONOUT$", false},
      {"console trailing space", "CON ", false},
      {"console space extension", "CON .txt", false},
      {"console two extensions", "Con.tar.gz", false},
      // Control characters and NUL bytes inside names.
      {"newline", f + "\n", false},
      {"control character", "velmo-escape\x01", false},
      {"delete character", "velmo-escape\x7F", false},
      {"tab in parent", "..\t/" + f, false},
      {"nul then parents", WithNul("velmo-escape.txt\0../../x", 24), false},
      {"nul inside a parent", WithNul("..\0/velmo-escape.txt", 20), false},
      {"leading nul", WithNul("\0../velmo-escape.txt", 20), false},
      // Long names: beyond MAX_PATH, and a way out behind a long prefix.
      {"long element", "velmo-escape-" + std::string(300, 'a'), true},
      {"long chain of folders", Repeat("velmo-escape-d/", 20) + f, true},
      {"longest name", "velmo-escape-" + std::string(65535 - 13, 'b'), true},
      {"parent behind a long element", "velmo-escape-" + std::string(250, 'a') + "/../../" + f, false},
      {"parents behind long folders", Repeat("velmo-escape-d/", 40) + Repeat("../", 41) + f, false},
      // Code pages: GB2312 double-byte characters whose second byte is "\" and UTF-8 look-alikes.
      {"double-byte char before parents", "\x81\\..\\..\\" + f, false},
      {"double-byte char hiding a separator", "..\x81\\" + f, true},
      {"overlong utf-8 dots", "\xC0\xAE\xC0\xAE/" + f, true},
      {"overlong utf-8 slash", "..\xC0\xAF..\xC0\xAF" + f, true},
      {"fullwidth dots and solidus", "\xEF\xBC\x8E\xEF\xBC\x8E\xEF\xBC\x8F" + f, true},
      {"fullwidth reverse solidus", "..\xEF\xBC\xBC" + f, true},
      {"division slash", "..\xE2\x88\x95" + f, true},
      {"one dot leaders", "\xE2\x80\xA4\xE2\x80\xA4/" + f, true},
      {"right-to-left override", "velmo-escape-\xE2\x80\xAEtxt.exe", true},
      {"superscript serial port", "COM\xC2\xB9", true},
      // Harmless look-alikes.
      {"encoded slash", "..%2f" + f, true},
      {"dots inside", "..." + f, true},
      {"trailing dot", f + ".", true},
      {"trailing space", f + " ", true},
      {"folder with trailing dot", "velmo-escape-d./" + f, true},
  };
}

}  // namespace

const std::vector<HostileName>& HostileNames() {
  static const std::vector<HostileName> names = MakeNames();
  return names;
}
