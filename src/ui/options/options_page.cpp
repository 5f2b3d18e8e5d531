#include "options_page.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace marklow {

namespace {
const char* const kHint = "marklowHint";
} // namespace

TPageToolBar::TPageToolBar(QWidget* parent) : QWidget(parent) {
    layout_ = new QHBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(2);
    setFixedHeight(50);
}

QToolButton* TPageToolBar::AddButton(const QString& caption, const QString& hint,
                                     QStyle::StandardPixmap icon, bool toggle) {
    auto* b = new QToolButton(this);
    b->setText(caption);
    // A toggle without a picture shows its state by its sunken look alone.
    if (icon != QStyle::SP_CustomBase) b->setIcon(style()->standardIcon(icon));
    b->setToolButtonStyle(icon != QStyle::SP_CustomBase ? Qt::ToolButtonTextUnderIcon
                                                        : Qt::ToolButtonTextOnly);
    SetHint(*b, hint);
    b->setCheckable(toggle);
    b->setFixedHeight(50);
    b->setMinimumWidth(50);
    b->setAutoRaise(true);
    layout_->addWidget(b);
    return b;
}

void TPageToolBar::AddWidget(QWidget* w, int stretch) {
    layout_->addWidget(w, stretch);
}

void TPageToolBar::AddStretch() {
    layout_->addStretch(1);
}

void TPageToolBar::SetFlat(bool flat) {
    for (QToolButton* b : findChildren<QToolButton*>())
        b->setAutoRaise(flat);
}

void SetHint(QWidget& w, const QString& hint) {
    w.setToolTip(hint);
    // Said by a screen reader whether or not the hints are shown.
    w.setAccessibleDescription(hint);
    w.setProperty(kHint, hint);
}

void ShowHintsUnder(QWidget& root, bool on) {
    for (QWidget* w : root.findChildren<QWidget*>()) {
        const QVariant hint = w->property(kHint);
        if (hint.isValid()) w->setToolTip(on ? hint.toString() : QString());
    }
}

} // namespace marklow
