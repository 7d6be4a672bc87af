#include "tools/drive/outside_window.h"

#include <vector>

#include "components/services/wide_text.h"

namespace {

constexpr UINT kAnswerMilliseconds = 1000;

struct TopSearch {
  DWORD process;
  const wchar_t* windowClass;
  std::wstring caption;
  HWND owner;
  HWND found;
};

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[256] = {};
  GetClassNameW(hwnd, name, 256);
  return name;
}

bool SendText(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& result) {
  return SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerMilliseconds, &result) != 0;
}

BOOL CALLBACK MatchTop(HWND hwnd, LPARAM data) {
  auto& search = *reinterpret_cast<TopSearch*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  if (process != search.process || !IsWindowVisible(hwnd) || ClassOf(hwnd) != search.windowClass) return TRUE;
  if (search.owner && GetWindow(hwnd, GW_OWNER) != search.owner) return TRUE;
  if (!search.caption.empty() && Widen(TextOf(hwnd)) != search.caption) return TRUE;
  search.found = hwnd;
  return FALSE;
}

struct ChildSearch {
  const wchar_t* windowClass;
  std::string prefix;
  bool buttonsOnly;
  HWND found;
};

bool IsGroupBox(HWND hwnd) { return (GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX; }

BOOL CALLBACK MatchChild(HWND hwnd, LPARAM data) {
  auto& search = *reinterpret_cast<ChildSearch*>(data);
  if (_wcsicmp(ClassOf(hwnd).c_str(), search.windowClass) != 0) return TRUE;
  if (search.buttonsOnly && IsGroupBox(hwnd)) return TRUE;
  if (!search.prefix.empty() && !TextOf(hwnd).starts_with(search.prefix)) return TRUE;
  search.found = hwnd;
  return FALSE;
}

}  // namespace

HWND FindTopWindow(DWORD process, const wchar_t* windowClass, const std::string& caption, HWND owner) {
  TopSearch search{process, windowClass, Widen(caption), owner, nullptr};
  EnumWindows(MatchTop, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindChild(HWND parent, const wchar_t* windowClass, const std::string& prefix) {
  ChildSearch search{windowClass, prefix, false, nullptr};
  EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindButton(HWND parent, const std::string& prefix) {
  ChildSearch search{L"Button", prefix, true, nullptr};
  EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string TextOf(HWND hwnd) {
  DWORD_PTR length = 0;
  if (!SendText(hwnd, WM_GETTEXTLENGTH, 0, 0, length)) return "";
  std::vector<wchar_t> text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendText(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), copied)) return "";
  return Narrow(std::wstring_view(text.data(), copied));
}

void Click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

bool TypeInto(HWND edit, const std::string& text) {
  const std::wstring wide = Widen(text);
  DWORD_PTR taken = 0;
  return SendText(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()), taken) && taken;
}
