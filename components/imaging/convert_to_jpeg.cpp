// Placeholder until the converter lands.
#include "components/imaging/imaging.h"
int ConvertToJpeg(const std::string&, const std::string&, bool, int, bool, int) { return kJpegWriteFailed; }
