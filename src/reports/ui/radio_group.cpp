#include "radio_group.h"

#include <QVBoxLayout>

namespace marklow {

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent) {
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        group_.addButton(b, i);
        layout->addWidget(b);
        buttons_.push_back(b);
    }
    if (!buttons_.empty()) buttons_.front()->setChecked(true);
    connect(&group_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) emit Changed(id);
    });
}

void TRadioGroup::SetItemIndex(int index) {
    if (index >= 0 && index < Count()) Button(index)->setChecked(true);
}

void TRadioGroup::Describe(const QStringList& descriptions) {
    for (int i = 0; i < Count() && i < descriptions.size(); ++i)
        Button(i)->setAccessibleDescription(descriptions[i]);
}

} // namespace marklow
