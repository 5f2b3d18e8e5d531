#include "print_progress.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace marklow {

TPrintProgress::TPrintProgress(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("PrintProgress", "Printing progress"));
    setWindowModality(Qt::ApplicationModal);
    PageLabel = new QLabel(QCoreApplication::translate("PrintProgress", "Preparing pages"), this);
    Bar = new QProgressBar(this);
    Bar->setRange(0, 0);
    Bar->setMinimumWidth(280);
    CancelButton = new QPushButton(QCoreApplication::translate("PrintProgress", "Cancel"), this);
    CancelButton->setAccessibleDescription(
        QCoreApplication::translate("PrintProgress", "Stop printing at the next page"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageLabel);
    layout->addWidget(Bar);
    layout->addLayout(buttons);
    connect(CancelButton, &QPushButton::clicked, this, [this] { cancelled_ = true; });
}

void TPrintProgress::reject() {
    cancelled_ = true;
}

bool TPrintProgress::Step(int page, int total) {
    if (total > 0) {
        PageLabel->setText(
            QString(QCoreApplication::translate("PrintProgress", "Printing page %1 of %2"))
                .arg(page)
                .arg(total));
        Bar->setRange(0, total);
        Bar->setValue(std::min(page - 1, total));
    } else {
        PageLabel->setText(
            QString(QCoreApplication::translate("PrintProgress", "Printing page %1")).arg(page));
    }
    QCoreApplication::processEvents();
    return !cancelled_;
}

} // namespace marklow
