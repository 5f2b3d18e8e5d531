#include "whole_texts.h"

#include <algorithm>
#include <cstring>

namespace marklow {

namespace {

constexpr size_t kRecordHead = 1 + 4 + 4 + 4;

void PutU32(std::string& out, uint32_t v) {
    char b[4];
    for (int i = 0; i < 4; ++i)
        b[i] = static_cast<char>((v >> (8 * i)) & 0xff);
    out.append(b, 4);
}

uint32_t GetU32(const char* p) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<uint32_t>(static_cast<unsigned char>(p[i])) << (8 * i);
    return v;
}

// The record index a place's A stands for, when it lies in [first, last].
bool InRange(uint32_t a, int first, int last) {
    return last >= first && a >= static_cast<uint32_t>(first) && a <= static_cast<uint32_t>(last);
}

} // namespace

void TWholeTexts::Add(TTextPlace place, uint32_t a, uint32_t b, std::string_view text) {
    if (text.size() > UINT32_MAX) return;
    payload_.push_back(static_cast<char>(place));
    PutU32(payload_, a);
    PutU32(payload_, b);
    PutU32(payload_, static_cast<uint32_t>(text.size()));
    payload_.append(text);
}

std::vector<TStoredText> ReadWholeTexts(std::string_view payload) {
    std::vector<TStoredText> texts;
    while (payload.size() >= kRecordHead) {
        const char* p = payload.data();
        TStoredText t{static_cast<TTextPlace>(static_cast<unsigned char>(p[0])),
                      GetU32(p + 1),
                      GetU32(p + 5),
                      {}};
        uint32_t n = GetU32(p + 9);
        if (n > payload.size() - kRecordHead) break;
        t.Text = payload.substr(kRecordHead, n);
        texts.push_back(t);
        payload.remove_prefix(kRecordHead + n);
    }
    return texts;
}

void RestoreWholeTexts(std::string_view payload, TGradebook& gb) {
    if (payload.empty()) return;
    std::vector<TStoredText> cells;
    for (const TStoredText& t : ReadWholeTexts(payload)) {
        const std::string text(t.Text);
        switch (t.Place) {
        case TTextPlace::Cell:
            // Only stored rows: the averages' row 0 is computed, never read.
            if (InRange(t.A, 1, gb.LastStudentRow()) && t.B < static_cast<uint32_t>(gb.ColCount()))
                cells.push_back(t);
            break;
        case TTextPlace::StudentName:
        case TTextPlace::StudentId:
        case TTextPlace::StudentNotes:
        case TTextPlace::StudentLogin:
            if (InRange(t.A, 2, gb.LastStudentRow())) {
                TStudent& s = *gb.StudentAt(static_cast<int>(t.A));
                std::string& field = t.Place == TTextPlace::StudentName    ? s.Name
                                     : t.Place == TTextPlace::StudentId    ? s.ID
                                     : t.Place == TTextPlace::StudentNotes ? s.Notes
                                                                           : s.Login;
                field = text;
            }
            break;
        case TTextPlace::GradeName:
        case TTextPlace::GradeNotes:
            if (InRange(t.A, 2, gb.LastGradeColumn())) {
                TGrade& g = *gb.GradeAt(static_cast<int>(t.A));
                (t.Place == TTextPlace::GradeName ? g.Name : g.Notes) = text;
            }
            break;
        case TTextPlace::CategoryName:
            if (InRange(t.A, 0, gb.Categories.Count() - 1))
                gb.Categories.Item(static_cast<int>(t.A)).Name = text;
            break;
        case TTextPlace::LetterToNumber:
        case TTextPlace::NumberToLetter: {
            TRealList& table =
                t.Place == TTextPlace::LetterToNumber ? gb.LetterToNumber : gb.NumberToLetter;
            if (InRange(t.A, 0, table.Count() - 1)) table.SetText(static_cast<int>(t.A), text);
            break;
        }
        case TTextPlace::Teacher:
            gb.Teacher = text;
            break;
        case TTextPlace::ClassName:
            gb.ClassName = text;
            break;
        case TTextPlace::ClassNumber:
            gb.ClassNumber = text;
            break;
        default:
            break; // a place a later version added
        }
    }
    if (cells.empty()) return;
    // Each row changed is rebuilt once, not moved once per cell.
    std::stable_sort(cells.begin(), cells.end(), [](const TStoredText& x, const TStoredText& y) {
        return x.A != y.A ? x.A < y.A : x.B < y.B;
    });
    for (size_t i = 0; i < cells.size();) {
        const int r = static_cast<int>(cells[i].A);
        size_t rowEnd = i;
        while (rowEnd < cells.size() && cells[rowEnd].A == cells[i].A)
            ++rowEnd;
        // A cell or two (a name) are set in place; more rebuild the row once.
        if (rowEnd - i <= 2) {
            for (; i < rowEnd; ++i)
                gb.SetCell(static_cast<int>(cells[i].B), r, cells[i].Text);
            continue;
        }
        const TCellRow& old = gb.RowCells(r);
        TCellRow row;
        row.Reserve(old.size(), old.Text().size() + 64);
        for (size_t c = 0; c < old.size(); ++c) {
            std::string_view text = old[c];
            // The last record for a cell wins.
            while (i < cells.size() && static_cast<int>(cells[i].A) == r && cells[i].B == c)
                text = cells[i++].Text;
            row.Append(text);
        }
        while (i < cells.size() && static_cast<int>(cells[i].A) == r)
            ++i;
        gb.SetRowCells(r, std::move(row));
    }
}

void RestoreWholeTexts(std::string_view payload, std::vector<TStudent>& students) {
    for (const TStoredText& t : ReadWholeTexts(payload)) {
        if (t.A >= students.size()) continue;
        TStudent& s = students[t.A];
        switch (t.Place) {
        case TTextPlace::StudentName:
            s.Name = std::string(t.Text);
            break;
        case TTextPlace::StudentId:
            s.ID = std::string(t.Text);
            break;
        case TTextPlace::StudentNotes:
            s.Notes = std::string(t.Text);
            break;
        case TTextPlace::StudentLogin:
            s.Login = std::string(t.Text);
            break;
        default:
            break;
        }
    }
}

void RestoreWholeTexts(std::string_view payload, TCategoryList& categories) {
    for (const TStoredText& t : ReadWholeTexts(payload))
        if (t.Place == TTextPlace::CategoryName && InRange(t.A, 0, categories.Count() - 1))
            categories.Item(static_cast<int>(t.A)).Name = std::string(t.Text);
}

void RestoreWholeTexts(std::string_view payload, TRealList& toNumbers, TRealList& toLetters) {
    for (const TStoredText& t : ReadWholeTexts(payload)) {
        TRealList* table = t.Place == TTextPlace::LetterToNumber   ? &toNumbers
                           : t.Place == TTextPlace::NumberToLetter ? &toLetters
                                                                   : nullptr;
        if (table && InRange(t.A, 0, table->Count() - 1))
            table->SetText(static_cast<int>(t.A), std::string(t.Text));
    }
}

std::string StudentSection(const TGradebook& gb) {
    TWholeTexts logins;
    for (int r = 2; r <= gb.LastStudentRow(); ++r) {
        const TStudent* s = gb.StudentAt(r);
        if (s && !s->Login.empty())
            logins.Add(TTextPlace::StudentLogin, static_cast<uint32_t>(r), 0, s->Login);
    }
    return logins.TakePayload();
}

} // namespace marklow
