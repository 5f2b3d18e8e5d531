#pragma once
// Help > About...: a small modal box titled "About" with the program's name and version and
// a line of what it is, and an OK button.

#include <QDialog>
#include <QIcon>

class QLabel;
class QPushButton;

namespace marklow {

class TAboutBox final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TAboutBox)
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QLabel* ProductName = nullptr; // "Marklow 0.1.0"
    QLabel* Comments = nullptr;    // what the program is
    QPushButton* OKButton = nullptr;
};

// The first line of the box: "Marklow " and the version.
QString AboutTitleLine();

// Shows the box modally through the prompts.
void ShowAboutBox(QWidget* parent);

// The program's icon (the desktop icon in every size), for windows and the About box.
QIcon MarklowIcon();

} // namespace marklow
