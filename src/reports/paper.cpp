#include "paper.h"

#include <QPrinterInfo>

namespace marklow {

QPageSize::PageSizeId LocalePaper(const QLocale& locale) {
    return locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                   : QPageSize::A4;
}

QPageSize::PageSizeId DefaultPaper() {
    QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull()) {
        QPageSize size = printer.defaultPageSize();
        if (size.isValid() && size.id() != QPageSize::Custom) return size.id();
    }
    return LocalePaper();
}

} // namespace marklow
