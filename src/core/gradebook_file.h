#pragma once
// The gradebook file (.gbd) and the pieces that the option files and the clipboard share.
//
// Fields are little-endian; texts are Windows-1252 on disk and UTF-8 in memory:
//   sstr  length byte + at most 255 bytes      lstr   int32 length + bytes
//   slist int16 count (signed) + sstr items     reserved12  twelve zero bytes
// The writer produces version "2.0"; the reader takes "2.0" and "1.0".
//
// Every reader throws TFileReadError ("File Read Error") for data that ends too early or
// claims more than it holds: no count or length from a file allocates or loops beyond the
// bytes that remain.

#include "binary_io.h"
#include "gradebook.h"
#include "whole_texts.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace marklow {

// Texts that a field could not hold whole: characters without a Windows-1252 form (stored as
// "?") or short texts beyond 255 bytes (cut). With a keeper each goes there whole with its
// place (the record set by At), for the file's trailer; without one, or for a text with no
// place, it is listed once, as it was in memory.
class TLostTexts {
public:
    TLostTexts() = default;
    explicit TLostTexts(TWholeTexts* keeper) : keeper_(keeper) {}
    // The record whose texts are written next.
    void At(uint32_t a, uint32_t b = 0) {
        a_ = a;
        b_ = b;
    }
    void Add(std::string_view text, TTextPlace place = TTextPlace::None);
    const std::vector<std::string>& Texts() const { return texts_; }

private:
    TWholeTexts* keeper_ = nullptr;
    uint32_t a_ = 0;
    uint32_t b_ = 0;
    std::vector<std::string> texts_;
    std::unordered_set<std::string> seen_;
};

// --- shared fields ---
void WriteShortText(TByteWriter& out, std::string_view text, TLostTexts* lost = nullptr,
                    TTextPlace place = TTextPlace::None);
std::string ReadShortText(TByteReader& in);
void WriteLongText(TByteWriter& out, std::string_view text, TLostTexts* lost = nullptr,
                   TTextPlace place = TTextPlace::None);
std::string ReadLongText(TByteReader& in);
void WriteTextList(TByteWriter& out, const std::vector<std::string>& items,
                   TLostTexts* lost = nullptr);
std::vector<std::string> ReadTextList(TByteReader& in);

// Count, records and the trailing reserved bytes. Reading replaces the list's categories
// (its notification and default category stay).
void WriteCategoryList(TByteWriter& out, const TCategoryList& list, TLostTexts* lost = nullptr);
void ReadCategoryList(TByteReader& in, TCategoryList& list);

// Count, then per item the letter and its number as text with 3 significant digits. Reading
// clears the table first; a number that is not one reads as 0.
void WriteLetterTable(TByteWriter& out, const TRealList& table, TLostTexts* lost = nullptr,
                      TTextPlace place = TTextPlace::None);
void ReadLetterTable(TByteReader& in, TRealList& table);

// One record each; the caller sets the record's place in `lost` (At). A grade record keeps
// OmitClassAverage in the first reserved byte and Date in the reserved 8-byte field; a stored
// date of 0 (files of earlier writers) or one no calendar shows reads as no date (0).
void WriteStudent(TByteWriter& out, const TStudent& s, TLostTexts* lost = nullptr);
void ReadStudent(TByteReader& in, TStudent& s);
void WriteGrade(TByteWriter& out, const TGrade& g, TLostTexts* lost = nullptr);
void ReadGrade(TByteReader& in, TGrade& g);
// The student record followed by HasAverage (byte) and Average (float64).
void WriteStudentWithAverage(TByteWriter& out, const TStudent& s, TLostTexts* lost = nullptr);
void ReadStudentWithAverage(TByteReader& in, TStudent& s);

// --- the gradebook ---
struct TReadResult {
    enum class TStatus { Loaded, PasswordRefused, UnknownVersion };
    TStatus Status = TStatus::Loaded;
    std::string Version; // as stored, also when it was not recognised
};

// Accepts or refuses the password stored in the file (already complemented back; empty when
// the file has none). An empty function accepts every file.
using TPasswordCheck = std::function<bool(const std::string& stored)>;

// Reads a whole gradebook of either version (of "2.0" also the trailer's exact texts and
// logins) into a fresh document and, only when all of it was read, makes it the open one
// (ReplaceDocument) with the stored password. The version is looked at before the password is
// checked, so an unreadable file asks nothing. On every other outcome, and when TFileReadError is
// thrown, `open` is exactly as it was. The fresh document takes open.Preferences, so grades get the
// defaults the program would give them. The caller recomputes the averages afterwards.
TReadResult ReadGradebook(std::string_view bytes, TGradebook& open,
                          const TPasswordCheck& checkPassword);

// The "2.0" bytes of the gradebook. Refreshes every student's and grade's Name from its name
// cell first. A text the layout cannot hold whole is stored in its field as well as the layout
// allows and whole in the trailer, so lostTexts (kept for callers that warn) stays empty. Throws
// TFileWriteError when the table exceeds what the 16-bit counts can hold.
std::string WriteGradebook(TGradebook& gb, std::vector<std::string>* lostTexts = nullptr);
// Whether the file can hold a password exactly (Windows-1252, at most 255 bytes); a password
// cut or changed on the way to the file could never be typed again, so the writer refuses it.
bool PasswordStorable(std::string_view password);

// --- the clipboard's student block ---
// int16 count (LastStudentRow), then one record with average per student, top row first, then
// the trailer with the exact texts and the logins (readers of the block stop before it).
// Refreshes each student's Name from its name cell first.
std::string WriteStudentBlock(TGradebook& gb, std::vector<std::string>* lostTexts = nullptr);

struct TStudentBlock {
    std::vector<TStudent> Students; // the records read, in order
    bool Complete = true;           // false when the data ended before the count promised
};
// Reads the count and as many records as it promises; bytes after the last record are
// ignored (the clipboard may hand back a larger block). Data that ends early keeps the
// records read before it and clears Complete; the paste then reports "File Read Error".
TStudentBlock ReadStudentBlock(std::string_view bytes);

} // namespace marklow
