#pragma once
// Texts that the documented layouts cannot hold whole (characters without a Windows-1252 form,
// short texts beyond 255 bytes), kept in a trailer section with the place each belongs to.
// Readers of the layout find the best-effort Windows-1252 form in its field; this program
// reads the section afterwards and puts the exact UTF-8 text back.
//
// A section is a run of records: byte place, uint32 A, uint32 B, uint32 length, the UTF-8
// bytes. A and B say which record the text belongs to (a row, a column, an index).

#include "gradebook.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace marklow {

enum class TTextPlace : uint8_t {
    None = 0,
    Cell = 1,    // A row, B column
    StudentName, // A row (gradebook) or record index (clipboard)
    StudentId,
    StudentNotes,
    StudentLogin, // the roster's login or e-mail; kept in the student section
    GradeName,    // A column
    GradeNotes,
    CategoryName,   // A index
    LetterToNumber, // A index
    NumberToLetter,
    Teacher,
    ClassName,
    ClassNumber,
};

// The section tags.
inline constexpr std::string_view kTextSectionTag = "TEXT";
inline constexpr std::string_view kStudentSectionTag = "STUD";

class TWholeTexts {
public:
    void Add(TTextPlace place, uint32_t a, uint32_t b, std::string_view text);
    bool Empty() const { return payload_.empty(); }
    const std::string& Payload() const { return payload_; }
    std::string TakePayload() { return std::move(payload_); }

private:
    std::string payload_;
};

struct TStoredText {
    TTextPlace Place;
    uint32_t A;
    uint32_t B;
    std::string_view Text; // into the payload
};

// The records of a payload; a record that runs past the end ends the list quietly.
std::vector<TStoredText> ReadWholeTexts(std::string_view payload);

// Put the kept texts back into a gradebook just read; places that name no record are ignored.
void RestoreWholeTexts(std::string_view payload, TGradebook& gb);
// The same for the clipboard's students (A the record index) and the option files' lists.
void RestoreWholeTexts(std::string_view payload, std::vector<TStudent>& students);
void RestoreWholeTexts(std::string_view payload, TCategoryList& categories);
void RestoreWholeTexts(std::string_view payload, TRealList& toNumbers, TRealList& toLetters);

// The students' logins of a gradebook as a section payload (empty when none has one).
std::string StudentSection(const TGradebook& gb);

} // namespace marklow
