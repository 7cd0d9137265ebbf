#pragma once
// A label that reports the mouse gestures the model knows: click, double click and right
// click. A double click reports only double_clicked: the release that ends it is not a
// second click.
#include <QLabel>

namespace rebanto::ui {

class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();
    void double_clicked();
    void right_clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace rebanto::ui
