#include "student_field_section.h"

#include "binary_io.h"
#include "gradebook.h"

namespace marklow {

std::string WriteStudentFieldSection(const TGradebook& gb, TStudentTextField field) {
    std::string bytes;
    TByteWriter out(bytes);
    for (int r = 2; r <= gb.LastStudentRow(); ++r) {
        const std::string& text = gb.StudentAt(r)->*field;
        if (text.empty()) continue;
        out.Int32(r - 2);
        out.Int32(static_cast<int32_t>(text.size()));
        out.Bytes(text);
    }
    return bytes;
}

void ReadStudentFieldSection(std::string_view payload, TGradebook& gb, TStudentTextField field) {
    TByteReader in(payload);
    try {
        while (!in.AtEnd()) {
            const int32_t place = in.Int32();
            const int32_t n = in.Int32();
            if (n < 0) return;
            std::string_view text = in.Bytes(static_cast<size_t>(n));
            if (place >= 0 && place < gb.StudentCount())
                gb.StudentAt(place + 2)->*field = std::string(text);
        }
    } catch (const TFileReadError&) {
        // What was whole before the damage stays.
    }
}

} // namespace marklow
