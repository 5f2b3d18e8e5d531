#pragma once
// Printing a report on a printer, or to a PDF file when the printer setup chose one, with
// the "Printing progress" window. Every failure and a cancel are told through the prompts
// seam; nothing is ever reported as printed when it was not.

#include "output.h"

class QPrinter;
class QWidget;

namespace marklow {

class TReportPages;

// The paper and orientation of the printer's setup, for the report's next run (a report
// that sets its own orientation does so when it starts).
void ApplyPrinterSetup(const QPrinter& printer, TQuickRep& report);

// Prints a new run of the report, or the pages of a preview when pages is given. Returns
// true when every page went out.
bool PrintReport(TQuickRep& report, TReportPages* pages, QPrinter& printer, const QString& title,
                 QWidget* parent);

// What PrintReport tells the user of an outcome; empty when all went well.
QString OutcomeMessage(const TOutputStatus& status, bool toFile);

} // namespace marklow
