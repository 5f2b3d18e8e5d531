#pragma once
// The gradebook file's texts as its layout holds them (Windows-1252, short texts up to 255
// bytes), and the table's rows: one slist of short cells a row, read and written a row at a
// time without a string per cell.

#include "binary_io.h"
#include "cell_row.h"
#include "gradebook_file.h"
#include "whole_texts.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace marklow {

inline constexpr size_t kShortTextMax = 255;

// The Windows-1252 form of a text, cut to maxBytes. A text that loses characters either way
// is noted. The result points into `text` or into `scratch`.
std::string_view Encode(std::string_view text, size_t maxBytes, std::string& scratch,
                        TLostTexts* lost, TTextPlace place = TTextPlace::None);
std::string Decode(std::string_view bytes);

// Reads an slist as the cells of a table row `width` cells wide: cells beyond the width are
// read and dropped.
TCellRow ReadRow(TByteReader& in, int width);
// Writes the row's cells; those the layout cannot hold whole are noted as cells of `row`.
void WriteRow(TByteWriter& out, const TCellRow& cells, std::string& scratch, TLostTexts* lost,
              uint32_t row);

} // namespace marklow
