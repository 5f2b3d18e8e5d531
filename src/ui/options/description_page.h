#pragma once
// The "Description" page: the teacher, the class name and the class number, and how the
// class's numbers are typed.

#include "options_page.h"

class QCheckBox;
class QLineEdit;

namespace marklow {

class TDescriptionPage final : public TOptionsPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TDescriptionPage)
public:
    explicit TDescriptionPage(QWidget* parent = nullptr);

    void LoadPage(TOptionsWork& work) override;
    void StorePage(TOptionsWork& work) override;
    void PageShown() override;
    int HelpTopic() const override { return 22; }

    QLineEdit* TeacherEdit = nullptr;
    QLineEdit* ClassNameEdit = nullptr;
    QLineEdit* ClassNumberEdit = nullptr;
    QCheckBox* DecimalCommaBox = nullptr;
};

} // namespace marklow
