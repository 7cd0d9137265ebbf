#include "ui/app_look.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStyleFactory>

namespace rebanto::ui {

namespace {

// Japanese sans-serif families, best first.
constexpr const char* kFamilies[] = {"Noto Sans CJK JP", "Noto Sans JP", "IPAexGothic",
                                     "IPAGothic",        "TakaoGothic",  "VL Gothic",
                                     "Yu Gothic UI",     "Meiryo UI",    "MS UI Gothic"};

}  // namespace

const char* apply_app_look(QApplication& app) {
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(style);
    QFont font = QApplication::font();
    const QStringList installed = QFontDatabase::families();
    const char* chosen = nullptr;
    for (const char* family : kFamilies) {
        if (installed.contains(QString::fromUtf8(family))) {
            chosen = family;
            break;
        }
    }
    if (chosen != nullptr) font.setFamily(QString::fromUtf8(chosen));
    // Without one of them Qt falls back per glyph, which still shows Japanese.
    font.setPointSizeF(kDefaultPointSize);
    QApplication::setFont(font);
    return chosen != nullptr ? chosen : "";
}

}  // namespace rebanto::ui
