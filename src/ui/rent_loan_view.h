#pragma once
// The view of "現在の家賃で支払い可能なローン額算定": the rent, the share kept for the
// owner's costs, the conditions of the loan, and OK to search.
#include <QWidget>

#include "forms/tokbotgenyachindlg.h"

namespace rebanto::ui {

class Binder;

class RentLoanView : public QWidget {
    Q_OBJECT

public:
    explicit RentLoanView(TOKBotGenyachinDlg& form, QWidget* parent = nullptr);

    Binder& binder() const { return *binder_; }

private:
    QWidget* build_rent();
    QWidget* build_conditions();
    QWidget* build_buttons();

    TOKBotGenyachinDlg& form_;
    Binder* binder_;
};

}  // namespace rebanto::ui
