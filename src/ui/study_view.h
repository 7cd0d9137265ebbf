#pragma once
// The view of TForm10 "繰上金利検討ナビゲーション": the base and new interest totals with
// their differences, and below them the housing-loan tax-credit panel.
#include <QWidget>

#include "forms/tform10.h"

class QMouseEvent;

class QVBoxLayout;

namespace rebanto::ui {

class Binder;
class InputMarks;
class Placer;

class StudyView : public QWidget {
    Q_OBJECT

public:
    explicit StudyView(TForm10& form, QWidget* parent = nullptr);
    Binder& binder() const { return *binder_; }
    InputMarks& input_marks() const { return *input_marks_; }

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QWidget* build_comparison(Placer& put);
    void build_commands(Placer& put, QVBoxLayout* column);
    QWidget* build_tax_credit(Placer& put);
    QWidget* build_tax_owed(Placer& put, QWidget* parent);

    TForm10& form_;
    Binder* binder_;
    InputMarks* input_marks_ = nullptr;
};

}  // namespace rebanto::ui
