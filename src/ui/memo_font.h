#pragma once
// The font a memo shows in. Memo lines are columns padded with half-width spaces, so the
// memo needs a fixed-pitch font whose full-width glyphs are exactly two half-width ones.
// A family the model names that is installed is used as it is (the user chose it); the
// design fonts of the memos ("ＭＳ明朝", ...) are usually not, and stand for the first
// installed fixed-pitch Japanese font.
#include <QFont>
#include <QString>

#include "model/grid.h"

namespace rebanto::ui {

// The installed fixed-pitch family with Japanese glyphs; empty when there is none.
QString fixed_pitch_japanese_family();

// `font` in the family `named` when it is installed, else in the fixed-pitch Japanese
// family that stands for it.
QFont with_memo_family(QFont font, const QString& named);

// The memo's font: family, italic; the point size of `base` (the binder sets the size).
QFont memo_font(const Memo& memo, const QFont& base);

}  // namespace rebanto::ui
