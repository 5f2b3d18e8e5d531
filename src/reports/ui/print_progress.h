#pragma once
// "Printing progress": shown while pages go to the printer, with Cancel. It blocks the
// other windows without a modal loop of its own; each page lets pending events through,
// so Cancel is seen before the next page.

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace marklow {

class TPrintProgress final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPrintProgress)
public:
    explicit TPrintProgress(QWidget* parent = nullptr);
    // Shows that page (of total, 0 when not known) is going out and handles pending events.
    // False once Cancel was pressed.
    bool Step(int page, int total);
    bool Cancelled() const { return cancelled_; }

    QLabel* PageLabel;
    QProgressBar* Bar;
    QPushButton* CancelButton;

private:
    void reject() override; // Escape and the close button cancel too
    bool cancelled_ = false;
};

} // namespace marklow
