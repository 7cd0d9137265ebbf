#pragma once
// "メモクリアー" by hand erases both current tables and both memos; when they hold anything
// beyond their headings the user is asked first.
namespace rebanto {

class TForCur;
class TForm1;

inline constexpr const char* kClearAllQuestion =
    "カレント両表（月返済・ボーナス返済）と両メモの内容を消去します。"
    "消去した表とメモは元に戻せません。よろしいですか。";

// Whether either current table has a data row or either memo more than its heading.
bool clearing_erases_work(const TForm1& f, const TForCur& cur);

}  // namespace rebanto
