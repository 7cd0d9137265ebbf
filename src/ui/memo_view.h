#pragma once
// A text view fed from a model Memo: a reset reloads the text, appended lines are
// appended, so a memo growing line by line is never reloaded whole.
#include <QObject>
#include <QPointer>
#include <cstddef>

#include "model/grid.h"

class QPlainTextEdit;

namespace rebanto::ui {

class MemoFeed : public QObject {
    Q_OBJECT

public:
    MemoFeed(Memo& memo, QPlainTextEdit* view);
    ~MemoFeed() override;

    // Shows the memo's changes since the last sync.
    void sync();

private:
    Memo& memo_;
    QPointer<QPlainTextEdit> view_;
    int observer_ = 0;
    std::size_t shown_ = 0;  // lines the view holds
    bool reset_pending_ = true;
};

}  // namespace rebanto::ui
