#include "binary_io.h"

namespace marklow {

// Out of line so that the throws stay out of the inlined field reads.

void TByteReader::FailShort(size_t ahead) const {
    throw TFileReadError("the data ends at byte " + std::to_string(end_ - begin_) +
                         ", inside the field at byte " + std::to_string(Offset() + ahead));
}

void TByteReader::FailCount(uint64_t count) const {
    throw TFileReadError("the count " + std::to_string(count) + " before byte " +
                         std::to_string(Offset()) + " promises more than the " +
                         std::to_string(Remaining()) + " bytes left");
}

void TByteReader::Fail(const char* what) const {
    throw TFileReadError(std::string(what) + " before byte " + std::to_string(Offset()));
}

} // namespace marklow
