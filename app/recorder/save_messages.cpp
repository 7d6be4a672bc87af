#include "app/recorder/save_messages.h"

#include <cmath>

#include "app/recorder/disk_space.h"
#include "components/services/number_text.h"

double ConversionPercent(int position, int maximum) {
  if (maximum <= 0) return 0;
  const double percent = static_cast<double>(position) / maximum * 100.0;
  const double whole = std::floor(percent);
  // The small allowance keeps an exact half that double arithmetic lands just below 0.5 going up.
  return percent - whole + 1e-12 >= 0.5 ? whole + 1 : whole;
}

std::string ConversionProgressText(int position, int maximum) {
  return "正在处理数据" + DecimalText(ConversionPercent(position, maximum)) + "%";
}

std::string PackingProgressText(int percent) { return "正在保存(" + IntegerText(percent) + ")%"; }

std::string SaveSucceededText(const std::string& file) { return "文件“" + file + "”保存成功!"; }

std::string SaveFailedText(const std::string& file) { return "文件“" + file + "”保存出错!"; }

std::string TargetTooSmallText(const std::string& file, uint64_t neededBytes, uint64_t freeBytes) {
  return "磁盘空间不足，无法保存文件“" + file + "”（约需" + MegabytesText(neededBytes) + " MB，可用" +
         MegabytesText(freeBytes) + " MB）。录像仍然保留，腾出空间后可以再次保存。";
}
