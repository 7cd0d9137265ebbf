#pragma once
// The view of "アドオン変換": the effective rate and the payments, the add-on rate of the
// monthly loan and of its half-yearly twin, and the buttons that convert and apply.
#include <QWidget>

#include "forms/tokbotadondlg.h"

namespace rebanto::ui {

class Binder;

class AddonView : public QWidget {
    Q_OBJECT

public:
    explicit AddonView(TOKBotAdonDlg& form, QWidget* parent = nullptr);

    Binder& binder() const { return *binder_; }

private:
    QWidget* build_rate();
    QWidget* build_addon();
    QWidget* build_buttons();

    TOKBotAdonDlg& form_;
    Binder* binder_;
};

}  // namespace rebanto::ui
