// Placeholder until the writer lands.
#include "components/zip/zip.h"
int Pack(ProgressSink*, const std::string&, const std::string&) { return kZipFailed; }
