#pragma once
// Category option files (.gca) and letter option files (.gln, also "default.ltd"): the
// category section and the two letter-table sections of a gradebook file, byte for byte.
//
// Readers throw TFileReadError for bad data (naming the file when given a path) and, for
// paths, TFileSystemError when the file cannot be read or is not a regular file; the lists
// handed in change only when the whole file was read. Savers go through SaveFileSafely
// without a backup and return its message (empty when saved).

#include "gradebook.h"

#include <string>
#include <string_view>
#include <vector>

namespace marklow {

std::string WriteCategoryFile(const TCategoryList& list,
                              std::vector<std::string>* lostTexts = nullptr);
TCategoryList ReadCategoryFile(std::string_view bytes);

// Letters-to-numbers first, then numbers-to-letters, each in its present order.
std::string WriteLetterFile(const TRealList& toNumbers, const TRealList& toLetters,
                            std::vector<std::string>* lostTexts = nullptr);
void ReadLetterFile(std::string_view bytes, TRealList& toNumbers, TRealList& toLetters);

std::string SaveCategoryFile(const std::string& path, const TCategoryList& list,
                             std::vector<std::string>* lostTexts = nullptr);
TCategoryList LoadCategoryFile(const std::string& path);
std::string SaveLetterFile(const std::string& path, const TRealList& toNumbers,
                           const TRealList& toLetters,
                           std::vector<std::string>* lostTexts = nullptr);
void LoadLetterFile(const std::string& path, TRealList& toNumbers, TRealList& toLetters);

// The letter tables new gradebooks start with. Loading a missing file changes nothing and
// returns false; a file that exists but cannot be read throws as LoadLetterFile does.
bool LoadDefaultLetterFile(const std::string& path, TGradebook& gb);
std::string SaveDefaultLetterFile(const std::string& path, const TGradebook& gb);

} // namespace marklow
