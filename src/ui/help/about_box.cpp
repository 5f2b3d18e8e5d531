#include "about_box.h"

#include "button_descriptions.h"
#include "marklow_version.h"
#include "prompts.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

// The pictures live in a static library: naming its resources keeps them linked in.
static void InitHelpResources() {
    Q_INIT_RESOURCE(help_resources);
}

namespace marklow {

QString AboutTitleLine() {
    return QStringLiteral("Marklow " MARKLOW_VERSION);
}

QIcon MarklowIcon() {
    InitHelpResources();
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/marklow/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("AboutBox", "About"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* picture = new QLabel(this);
    picture->setPixmap(MarklowIcon().pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop);
    ProductName = new QLabel(AboutTitleLine(), this);
    QFont bold = ProductName->font();
    bold.setBold(true);
    ProductName->setFont(bold);
    ProductName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Comments = new QLabel(QCoreApplication::translate(
                              "AboutBox",
                              "A gradebook for teachers: scores, weighted averages, letter grades, "
                              "charts and printed reports."),
                          this);
    Comments->setWordWrap(true);
    Comments->setMinimumWidth(280);
    OKButton = new QPushButton(QCoreApplication::translate("AboutBox", "OK"), this);
    DescribeButton(OKButton, TButtonRole::Close);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(ProductName);
    text->addWidget(Comments);
    text->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ShowAboutBox(QWidget* parent) {
    TAboutBox box(parent);
    Prompts().ExecDialog(box);
}

} // namespace marklow
