#include "option_files.h"

#include "file_trailer.h"
#include "gradebook_file.h"
#include "safe_save.h"
#include "whole_texts.h"

#include <filesystem>

namespace marklow {

namespace {

TSaveOptions NoBackup() {
    TSaveOptions o;
    o.KeepBackup = false;
    return o;
}

} // namespace

std::string WriteCategoryFile(const TCategoryList& list, std::vector<std::string>* lostTexts) {
    TWholeTexts whole;
    TLostTexts lost(&whole);
    std::string bytes;
    TByteWriter out(bytes);
    WriteCategoryList(out, list, &lost);
    AppendTrailer(out, {{std::string(kTextSectionTag), whole.TakePayload()}});
    if (lostTexts) *lostTexts = lost.Texts();
    return bytes;
}

TCategoryList ReadCategoryFile(std::string_view bytes) {
    TByteReader in(bytes);
    TCategoryList list;
    ReadCategoryList(in, list);
    RestoreWholeTexts(FindSection(ReadTrailer(in.Rest()), kTextSectionTag), list);
    return list;
}

std::string WriteLetterFile(const TRealList& toNumbers, const TRealList& toLetters,
                            std::vector<std::string>* lostTexts) {
    TWholeTexts whole;
    TLostTexts lost(&whole);
    std::string bytes;
    TByteWriter out(bytes);
    WriteLetterTable(out, toNumbers, &lost, TTextPlace::LetterToNumber);
    WriteLetterTable(out, toLetters, &lost, TTextPlace::NumberToLetter);
    AppendTrailer(out, {{std::string(kTextSectionTag), whole.TakePayload()}});
    if (lostTexts) *lostTexts = lost.Texts();
    return bytes;
}

void ReadLetterFile(std::string_view bytes, TRealList& toNumbers, TRealList& toLetters) {
    TByteReader in(bytes);
    TRealList numbers, letters;
    ReadLetterTable(in, numbers);
    ReadLetterTable(in, letters);
    RestoreWholeTexts(FindSection(ReadTrailer(in.Rest()), kTextSectionTag), numbers, letters);
    toNumbers = std::move(numbers);
    toLetters = std::move(letters);
}

std::string SaveCategoryFile(const std::string& path, const TCategoryList& list,
                             std::vector<std::string>* lostTexts) {
    return SaveFileSafely(path, WriteCategoryFile(list, lostTexts), NoBackup());
}

TCategoryList LoadCategoryFile(const std::string& path) {
    std::string bytes = ReadFileBytes(path);
    return ReadingFile(path, [&] { return ReadCategoryFile(bytes); });
}

std::string SaveLetterFile(const std::string& path, const TRealList& toNumbers,
                           const TRealList& toLetters, std::vector<std::string>* lostTexts) {
    return SaveFileSafely(path, WriteLetterFile(toNumbers, toLetters, lostTexts), NoBackup());
}

void LoadLetterFile(const std::string& path, TRealList& toNumbers, TRealList& toLetters) {
    std::string bytes = ReadFileBytes(path);
    ReadingFile(path, [&] { ReadLetterFile(bytes, toNumbers, toLetters); });
}

bool LoadDefaultLetterFile(const std::string& path, TGradebook& gb) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return false;
    LoadLetterFile(path, gb.LetterToNumber, gb.NumberToLetter);
    return true;
}

std::string SaveDefaultLetterFile(const std::string& path, const TGradebook& gb) {
    return SaveLetterFile(path, gb.LetterToNumber, gb.NumberToLetter);
}

} // namespace marklow
