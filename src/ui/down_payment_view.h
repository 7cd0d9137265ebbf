#pragma once
// The view of the down-payment dialogs "頭金調整" (TForm6, monthly part) and its bonus
// twin (TForm9): the sale price and the minimum down payment, the rounding unit, the
// reduction rank, the computation and its result.
#include <QWidget>

#include "forms/down_payment_dialog.h"

namespace rebanto::ui {

class Binder;

class DownPaymentView : public QWidget {
    Q_OBJECT

public:
    // `total` and `total_caption`: the bonus dialog's sum of both down payments.
    DownPaymentView(DownPaymentDialog& form, Label* total_caption, Edit* total,
                    QWidget* parent = nullptr);

    Binder& binder() const { return *binder_; }

private:
    QWidget* build_amounts();
    QWidget* build_units();
    QWidget* build_result(Label* total_caption, Edit* total);
    QWidget* build_buttons();

    DownPaymentDialog& form_;
    Binder* binder_;
};

}  // namespace rebanto::ui
