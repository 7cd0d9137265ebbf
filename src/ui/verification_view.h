#pragma once
// The verification half of the comparison window: the inputs of the prepayment-effect
// verification under the tables, the notes that float over them, and the study table with
// its settings beside them.
class QWidget;

namespace rebanto {
class TFormHi;
}

namespace rebanto::ui {

class Placer;

// The verification's inputs (Panel4); the notes panel floats over `window`.
QWidget* verification_panel(Placer& put, TFormHi& form, QWidget* window);
// The study table with its commands (Panel5); its settings float over it.
QWidget* study_panel(Placer& put, TFormHi& form);

}  // namespace rebanto::ui
