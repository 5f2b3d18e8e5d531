#pragma once
// Which paper a report starts on.

#include <QLocale>
#include <QPageSize>

namespace marklow {

// Letter where the locale measures in US units, A4 elsewhere.
QPageSize::PageSizeId LocalePaper(const QLocale& locale = QLocale::system());

// The default printer's paper when there is a printer, else the locale's paper.
QPageSize::PageSizeId DefaultPaper();

} // namespace marklow
