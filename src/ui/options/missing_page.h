#pragma once
// The "Missing Work" page: what missing work counts for, and whether a blank past its
// grade's date is missing work.

#include "options_page.h"

class QCheckBox;
class QLineEdit;

namespace marklow {

class TMissingPage final : public TOptionsPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMissingPage)
public:
    explicit TMissingPage(QWidget* parent = nullptr);

    void LoadPage(TOptionsWork& work) override;
    void StorePage(TOptionsWork& work) override;
    void PageShown() override;
    int HelpTopic() const override { return 29; }
    // Why OK cannot take what the page holds, or empty text.
    QString Refusal() const;

    QLineEdit* MissingEdit = nullptr;
    QCheckBox* BlankBox = nullptr;
};

} // namespace marklow
