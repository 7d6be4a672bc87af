#include "components/imaging/jpeg_errors.h"

namespace {

[[noreturn]] void JumpBack(j_common_ptr codec) {
  std::longjmp(reinterpret_cast<JpegErrorJump*>(codec->err)->jump, 1);
}

void PrintNothing(j_common_ptr) {}

void IgnoreMessage(j_common_ptr, int) {}

}  // namespace

jpeg_error_mgr* UseJpegErrorJump(JpegErrorJump& errors) {
  jpeg_error_mgr* manager = jpeg_std_error(&errors.manager);
  manager->error_exit = JumpBack;
  manager->output_message = PrintNothing;
  manager->emit_message = IgnoreMessage;
  return manager;
}
