#pragma once
// Shows on a window which inputs its calculation cannot read: each such field gets a red
// frame, the status bar names the field and its text and says what that means, and the
// results, which still belong to the inputs before the bad text, are drawn faded until
// every input reads again.
#include <QObject>
#include <string>
#include <vector>

#include "core/input_check.h"

class QLabel;
class QStatusBar;

namespace rebanto {
class Form;
}

namespace rebanto::ui {

class Binder;

class InputMarks : public QObject {
public:
    InputMarks(Form& form, Binder& binder, QStatusBar* status, std::vector<CheckedField> inputs,
               std::vector<const Edit*> results, std::string consequence,
               QObject* parent = nullptr);
    ~InputMarks() override;

    // Brings the marks up to date at once (they follow the fields a moment after a change).
    void refresh();
    // The status text shown, empty while every input reads.
    QString status_text() const;

private:
    Form& form_;
    Binder& binder_;
    QLabel* status_ = nullptr;
    std::vector<CheckedField> inputs_;
    std::vector<const Edit*> results_;
    std::string consequence_;
    int observer_ = 0;
    bool scheduled_ = false;
};

}  // namespace rebanto::ui
