#include "ui/colors.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVariant>
#include <QWidget>

namespace rebanto::ui {

QColor to_qcolor(Color color) {
    switch (color) {
        case Color::Default:
            return {};
        case Color::Black:
            return QColor(0x00, 0x00, 0x00);
        case Color::White:
            return QColor(0xFF, 0xFF, 0xFF);
        case Color::Red:
            return QColor(0xFF, 0x00, 0x00);
        case Color::Yellow:
            return QColor(0xFF, 0xFF, 0x00);
        case Color::Green:
            return QColor(0x00, 0xC0, 0x00);
        case Color::Teal:
            return QColor(0x00, 0x80, 0x80);
        case Color::Blue:
            return QColor(0x00, 0x00, 0xFF);
        case Color::Navy:
            return QColor(0x00, 0x00, 0x80);
        case Color::Magenta:
            return QColor(0xFF, 0x00, 0xFF);
        case Color::Gray:
            return QColor(0x80, 0x80, 0x80);
        case Color::Maroon:
            return QColor(0x80, 0x00, 0x00);
    }
    return {};
}

namespace {

struct Roles {
    QPalette::ColorRole background;
    QPalette::ColorRole text;
    bool fill;  // the widget paints its background only when asked
};

Roles roles_for(const QWidget* widget) {
    if (qobject_cast<const QLineEdit*>(widget) != nullptr ||
        qobject_cast<const QAbstractItemView*>(widget) != nullptr ||
        qobject_cast<const QPlainTextEdit*>(widget) != nullptr ||
        qobject_cast<const QTextEdit*>(widget) != nullptr) {
        return {QPalette::Base, QPalette::Text, false};
    }
    if (qobject_cast<const QPushButton*>(widget) != nullptr) {
        return {QPalette::Button, QPalette::ButtonText, false};
    }
    return {QPalette::Window, QPalette::WindowText, true};
}

}  // namespace

void apply_colors(QWidget* widget, Color background, Color text) {
    // A widget the model never coloured keeps the palette its view gave it.
    const char* const kColoured = "rebanto_coloured";
    if (background == Color::Default && text == Color::Default &&
        !widget->property(kColoured).toBool()) {
        return;
    }
    widget->setProperty(kColoured, true);
    const Roles roles = roles_for(widget);
    QPalette palette;  // resolves nothing: unset roles follow the parent
    if (const QColor bg = to_qcolor(background); bg.isValid()) {
        palette.setColor(roles.background, bg);
        // Buttons fill with their own role (a radio button's is Button, not Window).
        if (roles.fill) palette.setColor(widget->backgroundRole(), bg);
    }
    if (const QColor fg = to_qcolor(text); fg.isValid()) palette.setColor(roles.text, fg);
    widget->setPalette(palette);
    if (roles.fill) widget->setAutoFillBackground(background != Color::Default);
}

}  // namespace rebanto::ui
