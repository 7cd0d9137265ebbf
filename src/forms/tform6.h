#pragma once
// "頭金調整　(月次専用)": the down payment worked out on the monthly part of the loan.
#include "forms/down_payment_dialog.h"

namespace rebanto {

class TForm6 : public DownPaymentDialog {
public:
    explicit TForm6(App& app) : DownPaymentDialog(app, "TForm6", "頭金調整　(月次専用)", false) {}
};

}  // namespace rebanto
