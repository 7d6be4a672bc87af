// What SaveDialog tells the user: the progress line while frames are converted and packed, and
// the message at the end of a save.
#pragma once
#include <cstdint>
#include <string>

// position ÷ maximum × 100 to the nearest whole number, halves going up (1 of 3 is 33, 1 of 8
// is 13, 1 of 2 is 50); 0 when the maximum is not above 0.
double ConversionPercent(int position, int maximum);

// "正在处理数据33%" for frame 1 of 3.
std::string ConversionProgressText(int position, int maximum);
// "正在保存(42)%".
std::string PackingProgressText(int percent);

// "文件“<file>”保存成功!" and "文件“<file>”保存出错!".
std::string SaveSucceededText(const std::string& file);
std::string SaveFailedText(const std::string& file);

// The target's volume cannot hold the recording: "磁盘空间不足，无法保存文件“<file>”（约需N MB，
// 可用M MB）。录像仍然保留，腾出空间后可以再次保存。"
std::string TargetTooSmallText(const std::string& file, uint64_t neededBytes, uint64_t freeBytes);
