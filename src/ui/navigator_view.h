#pragma once
// The view of TForm4 "再計算ナビゲーター": the replay commands and switches, the values
// written into rows, the row-editing commands, the control table worked on, and the
// panels that float over the table (the rate change inside a period, daily interest).
#include <QWidget>

#include "forms/tform4.h"

class QBoxLayout;
class QHBoxLayout;
class QMouseEvent;

namespace rebanto::ui {

class Binder;
class Placer;

class NavigatorView : public QWidget {
    Q_OBJECT

public:
    explicit NavigatorView(TForm4& form, QWidget* parent = nullptr);

    Binder& binder() const { return *binder_; }

protected:
    // A double click on the window's background brings the main window up.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QWidget* build_replay_row(Placer& put);
    QWidget* build_entry_row(Placer& put);
    QWidget* build_editing_row(Placer& put);
    QWidget* build_tables(Placer& put);
    void build_boundary_group(Placer& put, QWidget* over);
    void build_daily_panels(Placer& put, QWidget* over);

    TForm4& form_;
    Binder* binder_;
};

}  // namespace rebanto::ui
