#pragma once
// "頭金調整　(ボーナス-第2返済専用)": the down payment worked out on the bonus part of the
// loan (also the second repayment stream), with the monthly and bonus down payments added.
#include "forms/down_payment_dialog.h"

namespace rebanto {

class TForm9 : public DownPaymentDialog {
public:
    explicit TForm9(App& app)
        : DownPaymentDialog(app, "TForm9", "頭金調整　(ボーナス-第2返済専用)", true) {}

    Label Label6{*this, "Label6", "月次共 合計頭金"};
    Edit Edit6{*this, "Edit6", "0"};
};

}  // namespace rebanto
