#include "controls/fatal_error.h"

#include <windows.h>

#include "controls/runtime_state.h"
#include "controls/ask_user.h"

std::string FatalErrorText(const std::string& message, std::optional<int> code) {
  std::string text = "运行时出错!\r\n\r\n";
  if (code) text += "错误代码：" + std::to_string(*code) + "\r\n\r\n";
  return text + "错误信息：" + message + "\r\n";
}

// The count is written in full: a 32-bit "%d" would show a request above 2 GB as negative.
std::string AllocationFailedMessage(size_t bytes) { return "分配 " + std::to_string(bytes) + " 字节内存失败!"; }

void FatalRuntimeError(const std::string& message, std::optional<int> code) {
  ++Runtime().suppression;
  // The box's caption is the program's own name, so the user knows which program failed.
  AskMessageBox(FatalErrorText(message, code), "Velmo屏幕录像器", MB_OK | MB_ICONERROR);
  ExitProcess(static_cast<UINT>(-1));
}
