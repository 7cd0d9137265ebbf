#pragma once
// A memo page of the main window ("ﾒﾓ(月返済)", "(ﾎﾞｰﾅｽ返済)"): a tool row (clear, font,
// initial font, print, save, font size, the way to the current table) above the memo, which
// fills the page in a fixed-pitch font so its columns line up.
#include "model/control.h"
#include "model/grid.h"

class QGridLayout;

namespace rebanto::ui {

class Placer;

struct MemoPageParts {
    Memo& memo;
    Button& clear;
    Button& font;
    Button& initial_font;
    Button& print;
    Button& save;
    TrackBar& size;
    Label& table_link;
    Label& clear_caption;
    Label& size_caption;
    Button* chart = nullptr;  // charts the page's table
};

void build_memo_page(Placer& put, QGridLayout* page, const MemoPageParts& parts);

}  // namespace rebanto::ui
