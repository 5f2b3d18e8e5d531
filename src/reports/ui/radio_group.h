#pragma once
// A captioned group of radio buttons with one item chosen, as the print dialog's groups are.

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>

#include <vector>

namespace marklow {

class TRadioGroup final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TRadioGroup)
public:
    TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);
    int ItemIndex() const { return group_.checkedId(); }
    void SetItemIndex(int index);
    // What each item does, for a screen reader, in the order of the items.
    void Describe(const QStringList& descriptions);
    QRadioButton* Button(int index) const { return buttons_.at(static_cast<size_t>(index)); }
    int Count() const { return static_cast<int>(buttons_.size()); }

signals:
    // The user or the program chose another item.
    void Changed(int index);

private:
    QButtonGroup group_;
    std::vector<QRadioButton*> buttons_;
};

} // namespace marklow
