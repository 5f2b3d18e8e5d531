#pragma once
// The pages of the options dialog behind one small interface: each page fills its controls
// from the dialog's working copies when the dialog is shown and writes back into them what its
// controls hold; nothing reaches the gradebook before OK. Also the pages' tool bars.

#include "options_result.h"

#include <QStyle>
#include <QWidget>

class QHBoxLayout;
class QToolButton;

namespace marklow {

class TOptionsPage : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TOptionsPage)
public:
    explicit TOptionsPage(QWidget* parent = nullptr) : QWidget(parent) {}

    // A new showing: fill the controls from the working copies, which stay in use until the
    // dialog closes.
    virtual void LoadPage(TOptionsWork& work) = 0;
    // Before OK reads the working copies: write into them what only the controls hold.
    virtual void StorePage(TOptionsWork& work) = 0;
    // The page came to the front: the focus goes to its first control.
    virtual void PageShown() {}
    virtual int HelpTopic() const = 0;
    // The look of the page's grids and titles, and of its tool bar.
    virtual void SetThreeD(bool) {}
    virtual void SetFlat(bool) {}
};

// A row of buttons 50 pixels high with captions under their pictures. Each button keeps its
// hint, so hints can be switched off and on again.
class TPageToolBar final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPageToolBar)
public:
    explicit TPageToolBar(QWidget* parent = nullptr);

    // QStyle::SP_CustomBase for a button with its caption only.
    QToolButton* AddButton(const QString& caption, const QString& hint, QStyle::StandardPixmap icon,
                           bool toggle = false);
    // A widget after the buttons (the total of the categories page, the grade chooser).
    void AddWidget(QWidget* w, int stretch = 0);
    void AddStretch();
    void SetFlat(bool flat);

private:
    QHBoxLayout* layout_ = nullptr;
};

// Gives a widget its hint, kept for ShowHintsUnder.
void SetHint(QWidget& w, const QString& hint);
// Switches the hints of every widget under root that was given one off or on.
void ShowHintsUnder(QWidget& root, bool on);

} // namespace marklow
