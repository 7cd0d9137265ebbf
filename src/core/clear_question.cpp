#include "core/clear_question.h"

#include "forms/tforcur.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {
// A cleared memo holds its title line and an empty line; a cleared table its header and
// settings rows.
constexpr std::size_t kClearedMemoLines = 2;
constexpr int kClearedTableRows = 2;
}  // namespace

bool clearing_erases_work(const TForm1& f, const TForCur& cur) {
    return cur.StGr1.row_count() > kClearedTableRows || cur.StGr2.row_count() > kClearedTableRows ||
           f.RichEdit1.line_count() > kClearedMemoLines ||
           f.RichEdit2.line_count() > kClearedMemoLines;
}

}  // namespace rebanto
