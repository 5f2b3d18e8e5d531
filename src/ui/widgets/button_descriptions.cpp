#include "button_descriptions.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>

namespace marklow {

void DescribeButton(QAbstractButton* button, TButtonRole role) {
    const char* text = "";
    switch (role) {
    case TButtonRole::Ok:
        text = QT_TRANSLATE_NOOP("Buttons", "Use what this window shows and close it");
        break;
    case TButtonRole::Cancel:
        text = QT_TRANSLATE_NOOP("Buttons", "Close this window without changing anything");
        break;
    case TButtonRole::Help:
        text = QT_TRANSLATE_NOOP("Buttons", "Open the Help page about this window");
        break;
    case TButtonRole::Close:
        text = QT_TRANSLATE_NOOP("Buttons", "Close this window");
        break;
    }
    button->setAccessibleDescription(QCoreApplication::translate("Buttons", text));
}

void DescribeButtons(QDialogButtonBox* box) {
    for (QAbstractButton* b : box->buttons()) {
        switch (box->standardButton(b)) {
        case QDialogButtonBox::Ok:
        case QDialogButtonBox::Yes:
        case QDialogButtonBox::Save:
            DescribeButton(b, TButtonRole::Ok);
            break;
        case QDialogButtonBox::Cancel:
        case QDialogButtonBox::No:
            DescribeButton(b, TButtonRole::Cancel);
            break;
        case QDialogButtonBox::Help:
            DescribeButton(b, TButtonRole::Help);
            break;
        case QDialogButtonBox::Close:
            DescribeButton(b, TButtonRole::Close);
            break;
        default:
            break;
        }
    }
}

} // namespace marklow
