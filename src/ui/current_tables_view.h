#pragma once
// The view of "カレント両表" (TForCur): the current monthly table above the current bonus
// table, split so the user can give either more room.
#include <QWidget>

#include "forms/tforcur.h"

class QSplitter;
class QTableView;

namespace rebanto::ui {

class Binder;

class CurrentTablesView : public QWidget {
    Q_OBJECT

public:
    explicit CurrentTablesView(TForCur& form, QWidget* parent = nullptr);

    Binder& binder() const { return *binder_; }
    QTableView* monthly() const { return monthly_; }
    QTableView* bonus() const { return bonus_; }

private:
    Binder* binder_;
    QTableView* monthly_;
    QTableView* bonus_;
};

}  // namespace rebanto::ui
