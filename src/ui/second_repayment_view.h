#pragma once
// The view of TForm8 "第２返済の設定": the interval of the second repayment stream, the
// month of its first payment, the months of a year that carry a payment (for reference
// only), and the button that applies the settings.
#include <QWidget>

#include "forms/tform8.h"

namespace rebanto::ui {

class Binder;

class SecondRepaymentView : public QWidget {
    Q_OBJECT

public:
    explicit SecondRepaymentView(TForm8& form, QWidget* parent = nullptr);

    Binder& binder() const { return *binder_; }

private:
    QWidget* build_intervals();
    QWidget* build_first_month();
    QWidget* build_months();
    QWidget* build_buttons();

    TForm8& form_;
    Binder* binder_;
};

}  // namespace rebanto::ui
