#pragma once
// What a screen reader says about the buttons every dialog shares, by what they do, so each
// dialog's OK, Cancel, Help and Close are described alike and translated once.

class QAbstractButton;
class QDialogButtonBox;

namespace marklow {

enum class TButtonRole { Ok, Cancel, Help, Close };

void DescribeButton(QAbstractButton* button, TButtonRole role);
// The standard buttons of a box; a button the box did not make keeps its own description.
void DescribeButtons(QDialogButtonBox* box);

} // namespace marklow
