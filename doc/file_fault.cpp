#include "file_replace.h"

namespace gw {

namespace {
long long g_fault = -1;
}

void setFileFaultForTesting(long long value) { g_fault = value; }
long long fileFaultForTesting() { return g_fault; }

}  // namespace gw
