#pragma once
// The view of a window whose page of controls is not built yet: its caption, its
// controls one under another, and a note when it has none.
#include <QWidget>

#include "model/form.h"

namespace rebanto::ui {

class Binder;

class ShellWindowView : public QWidget {
    Q_OBJECT

public:
    explicit ShellWindowView(Form& form, QWidget* parent = nullptr);

    Binder& binder() const { return *binder_; }

private:
    Binder* binder_;
};

}  // namespace rebanto::ui
