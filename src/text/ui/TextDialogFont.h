#pragma once

class QWidget;

namespace casewright {

// Gives a text dialog the 8-point font its dialog-unit layout is measured in,
// so that labels and buttons fit their places.
void UseDialogFont(QWidget* dialog);

}  // namespace casewright
