// Fatal runtime errors: events are suppressed, the error is shown in a message box, and once
// the box is closed the process ends with exit code -1 (no exit action, no further events).
#pragma once
#include <cstddef>
#include <optional>
#include <string>

// The box's text: "运行时出错!", an empty line, then "错误代码：" and the code with an empty line
// when there is a code, then "错误信息：" with the message and a line break.
std::string FatalErrorText(const std::string& message, std::optional<int> code = {});

[[noreturn]] void FatalRuntimeError(const std::string& message, std::optional<int> code = {});

// The messages of the runtime's fatal errors.
inline constexpr char kNoFormForWindow[] = "未载入欲访问窗口组件所在的窗口";
inline constexpr char kWindowNotLoaded[] = "指定窗口尚未载入";
inline constexpr char kNoSuchWindowOrUnit[] = "指定窗口或窗口组件不存在或尚未载入";
inline constexpr char kNoEventWindow[] = "未找到引发事件的窗口";
inline constexpr char kNoEventUnit[] = "未找到引发事件的窗口组件";
inline constexpr char kUnitRaisesNoEvents[] = "引发事件的窗口组件无效";
inline constexpr char kStartWindowFailed[] = "载入启动窗口失败";
inline constexpr char kFormStoreUnreadable[] = "载入窗口模板数据段出错!";
// "分配 %d 字节内存失败!" with the number of bytes asked for.
std::string AllocationFailedMessage(size_t bytes);
