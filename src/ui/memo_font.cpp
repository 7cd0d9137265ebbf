#include "ui/memo_font.h"

#include <QFontDatabase>
#include <QStringList>

#include "ui/qt_text.h"

namespace rebanto::ui {

namespace {

// Fixed-pitch families with Japanese glyphs, best first.
constexpr const char* kFixedPitchJapanese[] = {
    "Noto Sans Mono CJK JP", "Source Han Mono", "IPAGothic", "IPAMincho",
    "TakaoGothic",           "VL Gothic",       "MS Gothic", "MS Mincho",
    "ＭＳ ゴシック",         "ＭＳ 明朝",
};

// Fonts are not installed while the program runs: the list is read once.
bool installed(const QString& family) {
    static const QStringList families = QFontDatabase::families();
    return families.contains(family);
}

}  // namespace

QString fixed_pitch_japanese_family() {
    static const QString chosen = [] {
        for (const char* family : kFixedPitchJapanese) {
            QString name = QString::fromUtf8(family);
            if (installed(name)) return name;
        }
        return QString();
    }();
    return chosen;
}

QFont with_memo_family(QFont font, const QString& named) {
    if (!named.isEmpty() && installed(named)) {
        font.setFamily(named);
    } else if (const QString fixed = fixed_pitch_japanese_family(); !fixed.isEmpty()) {
        font.setFamily(fixed);
    } else {
        font.setFamily(QStringLiteral("monospace"));
        font.setStyleHint(QFont::TypeWriter);
    }
    return font;
}

QFont memo_font(const Memo& memo, const QFont& base) {
    QFont font = with_memo_family(base, to_q(memo.font_name()));
    font.setItalic(memo.italic());
    return font;
}

}  // namespace rebanto::ui
