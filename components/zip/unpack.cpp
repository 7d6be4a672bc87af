// Placeholder until the reader lands.
#include "components/zip/zip.h"
int Unpack(ProgressSink*, const std::string&, const std::string&) { return kZipFailed; }
