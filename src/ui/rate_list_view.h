#pragma once
// The view of "金利選択リスト" (TForm7): the list's buttons and font size above the
// table of rates, the cancel bar below it.
#include <QWidget>

#include "forms/tform7.h"

class QKeyEvent;
class QLabel;
class QShowEvent;
class QSpinBox;
class QTableView;

namespace rebanto::ui {

class Binder;

class RateListView : public QWidget {
    Q_OBJECT

public:
    explicit RateListView(TForm7& form, QWidget* parent = nullptr);
    ~RateListView() override;

    Binder& binder() const { return *binder_; }
    QTableView* table() const { return table_; }
    QSpinBox* font_size() const { return font_size_; }
    QLabel* cancel_bar() const { return cancel_bar_; }

protected:
    // Keys typed on the table before its editor opens go through the list's key filter.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The list opens at its top, the header row in sight.
    void showEvent(QShowEvent* event) override;

private:
    void show_font_size();

    TForm7& form_;
    Binder* binder_;
    QTableView* table_ = nullptr;
    QSpinBox* font_size_ = nullptr;
    QLabel* cancel_bar_ = nullptr;
    int observer_ = 0;
};

// Whether a key event typed into a cell of the column passes the list's key filter;
// keys that type nothing (moves, Delete, chords) always pass.
bool rate_list_key_passes(TForm7& form, int col, const QKeyEvent* event);

}  // namespace rebanto::ui
