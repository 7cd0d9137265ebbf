#pragma once
// A row of groups that wraps onto further lines when the window is too narrow for it, like
// words on a page, so that no group is cut off or pushed behind a horizontal scroll bar.
#include <QLayout>
#include <QList>

namespace rebanto::ui {

class FlowLayout : public QLayout {
public:
    explicit FlowLayout(QWidget* parent = nullptr, int spacing = 8);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    // One line holding everything; at least the widest group.
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Lays the items out in `rect` (only measuring when `apply` is false); the height used.
    int arrange(const QRect& rect, bool apply) const;

    QList<QLayoutItem*> items_;
};

}  // namespace rebanto::ui
