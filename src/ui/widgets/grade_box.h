#pragma once
// The grade editor panel: points, weight, category, extra credit, curve and the class-average
// switch of one grade. The grade dialog and the options dialog's Weights page both embed it;
// it knows nothing of the gradebook, so the "Points are weights" switch is handed to it by
// whoever stores the grade (each dialog has a working switch of its own).

#include "gradebook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <string>
#include <vector>

namespace marklow {

class TGradeBox final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TGradeBox)
public:
    explicit TGradeBox(QWidget* parent = nullptr);

    // The drop-down's choices, in the order of the category list.
    void SetCategoryNames(const std::vector<std::string>& names);
    // Copies g into the panel's own grade and shows it; afterwards nothing counts as changed.
    void LoadGrade(const TGrade& g);
    // When the teacher changed a field since the last load, reads the fields into the panel's
    // grade: the weight only while its field is shown and points are not weights, the
    // category only while its drop-down is shown; a number field left as loaded keeps its
    // exact value, a typed one is stored as shown (3 significant digits). Returns the panel's
    // grade, which is the loaded copy when nothing changed.
    const TGrade& StoreGrade(bool pointsAreWeights);
    void ShowWeightAndCategory(bool weight, bool category);
    // Empties the points and weight fields and selects no category (no grade selected).
    void ClearFields();

    bool Loading() const { return loading_; }
    bool Changed() const { return changed_; }

    QLabel* PointsLabel;
    QLineEdit* PointsEdit;
    QLabel* WeightLabel;
    QLineEdit* WeightEdit;
    QLabel* CategoryLabel;
    QComboBox* CategoryCombo;
    QCheckBox* ExtraCreditBox;
    QCheckBox* CurveBox;
    QLabel* AmountLabel;
    QLineEdit* CurveAmountEdit;
    QLabel* PointsUnitLabel;
    QCheckBox* OmitAverageBox;

signals:
    // The teacher changed a field (not raised while loading).
    void FieldChanged();

private:
    void MarkChanged();

    TGrade grade_;
    bool loading_ = false;
    bool changed_ = false;
    bool weightShown_ = true;
    bool categoryShown_ = true;
    // The texts LoadGrade put into the number fields.
    QString loadedPoints_;
    QString loadedWeight_;
    QString loadedCurveAmount_;
};

} // namespace marklow
