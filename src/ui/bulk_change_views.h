#pragma once
// The views of the three dialogs that change the current tables through the navigator:
// "金利変更一括", "繰上返済の追加と削除" and "ボーナス補正の設定".
#include <QWidget>

#include "forms/tbhoseidlg.h"
#include "forms/tokbotkinridlg.h"
#include "forms/tokbotkuriagedlg.h"

namespace rebanto::ui {

class Binder;

class RateChangeView : public QWidget {
    Q_OBJECT
public:
    explicit RateChangeView(TOKBotKinriDlg& form, QWidget* parent = nullptr);
    Binder& binder() const { return *binder_; }

private:
    Binder* binder_;
};

class PrepaymentChangeView : public QWidget {
    Q_OBJECT
public:
    explicit PrepaymentChangeView(TOKBotKuriageDlg& form, QWidget* parent = nullptr);
    Binder& binder() const { return *binder_; }

private:
    Binder* binder_;
};

class BonusCorrectionView : public QWidget {
    Q_OBJECT
public:
    explicit BonusCorrectionView(TBHoseiDlg& form, QWidget* parent = nullptr);
    Binder& binder() const { return *binder_; }

private:
    Binder* binder_;
};

}  // namespace rebanto::ui
