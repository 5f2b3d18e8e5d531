#pragma once
// What a screen reader says for a cell of the gradebook grid: whose and which entry it is,
// the entry as the grid shows it and the student's average, so moving the cursor tells the
// teacher everything the eye gets from the cell and its headers.

#include <QString>

namespace marklow {

class TGradebook;

// For example "Aaliyah Brooks, HW 1, 8, average 75.7". The averages are named only while
// they are shown; a curved entry says what it is shown as, a marked one what is wrong.
QString CellAnnouncement(const TGradebook& gb, int c, int r, bool averagesShown, bool curveShown);

} // namespace marklow
