#include "binary_io.h"

namespace marklow {

// Out of line so that the throw stays out of the inlined field reads.
void TByteReader::Fail() {
    throw TFileReadError();
}

} // namespace marklow
