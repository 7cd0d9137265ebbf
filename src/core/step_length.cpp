// The step length (months per step), the remaining counts and the progress displays.
#include <array>
#include <charconv>
#include <string>
#include <string_view>

#include "base/errors.h"
#include "base/format.h"
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

// Whether `text` is the parts written one after the other.
template <std::size_t N>
bool reads_as(std::string_view text, const std::array<std::string_view, N>& parts) {
    for (const std::string_view part : parts) {
        if (text.substr(0, part.size()) != part) return false;
        text.remove_prefix(part.size());
    }
    return text.empty();
}

template <std::size_t N>
std::string joined(const std::array<std::string_view, N>& parts) {
    std::string text;
    for (const std::string_view part : parts)
        text += part;
    return text;
}

// "75＝6年3月": the month, and the years and months it makes. Built in place, since the
// slider moves with every step committed.
std::string month_and_years(int month) {
    std::string text;  // "420＝35年0月" fits the string itself: nothing is allocated
    const auto append = [&text](int n) {
        char digits[16];
        text.append(digits, std::to_chars(digits, digits + sizeof digits, n).ptr);
    };
    append(month);
    text += "＝";
    append(month / 12);
    text += "年";
    append(month - 12 * (month / 12));
    text += "月";
    return text;
}

}  // namespace

void CalculationPage::Ed1_mm5Change(Control& sender) {
    if (Ed1_mm5.tag() != 0) return;
    if (is_empty(Ed1_yy5) || is_empty(Ed1_mm5) || is_empty(Edit13) || is_empty(Edit14)) return;
    Ed1_mm5.set_tag(1);
    // A length the user sets replaces the one remembered from before a shrink at the end.
    if (main_.Ed0_moto.tag() == 0) StepMonthsBeforeTermEnd = 0;
    try {
        if (&sender == &Edit13) {
            StepMonths = count(Edit13);
            put(Edit14, static_cast<int>(int_part(static_cast<long double>(StepMonths) /
                                                  main_.bonus_interval())));
        } else if (&sender == &Edit14) {
            StepMonths = count_from(num(Edit14) * main_.bonus_interval(), Edit14);
            put(Edit13, StepMonths);
        } else {
            StepMonths = count_from(num(Ed1_yy5) * 12 + num(Ed1_mm5), Ed1_yy5);
            put(Edit13, StepMonths);
            put(Edit14, static_cast<int>(int_part(static_cast<long double>(StepMonths) /
                                                  main_.bonus_interval())));
        }
        StepEndMonth = ElapsedMonths + StepMonths;
        put(Ed1_yy5, StepMonths / 12);
        put(Ed1_mm5, StepMonths % 12);
        refresh_progress();
    } catch (const std::exception&) {
        Ed1_mm5.set_tag(0);
        app().platform().beep(Beep::Default);
        return;
    }
    Ed1_mm5.set_tag(0);
    if (RemainingMonths > 0 && RemainingMonths + ElapsedMonths >= StepEndMonth) {
        Label214.set_font_color(Edit13.text() == "1" ? Color::Red : Color::Black);
        Label215.set_font_color(Edit14.text() == "1" ? Color::Red : Color::Black);
        Button1.set_enabled(true);
        PRset1(sender);
    } else {
        // The calculation shrinking the last step to nothing at the end of the term is
        // not a user's mistake: no warning then.
        if (main_.Ed0_moto.tag() == 0) main_.beep(Beep::Warning);
        Button1.set_enabled(false);
    }
}

// A remaining count is never below 1: any text that sorts before "1" as a string ("0",
// an empty text, a negative count) becomes "1" before the calculation runs.
void CalculationPage::remaining_count_change(Control& sender) {
    if (sender.text() < "1") {
        sender.set_text("1");  // runs this handler again with "1"
        return;
    }
    PRset1(sender);
}

void CalculationPage::refresh_progress() {
    put(LabK1, ElapsedMonths);
    put(Ed1_yy1, ElapsedMonths / 12);
    put(Ed1_mm1, ElapsedMonths % 12);
    put(LabK9, StepEndMonth);
    put(Ed1_yy9, StepEndMonth / 12);
    put(Ed1_mm9, StepEndMonth % 12);
    put(LabK0, RemainingMonths);
    TrackBar2.set_selection_end(ElapsedMonths);
    TrackBar2.set_position(StepEndMonth);
}

namespace {

// Whether the texts of `fields` are those in `kept`.
bool texts_kept(const std::vector<std::string>& kept,
                std::initializer_list<const Control*> fields) {
    if (kept.size() != fields.size()) return false;
    auto text = kept.begin();
    for (const Control* field : fields) {
        if (*text++ != field->text()) return false;
    }
    return true;
}

// Into the strings already there: most texts fit them.
void keep_texts(std::vector<std::string>& kept, std::initializer_list<const Control*> fields) {
    kept.resize(fields.size());
    auto text = kept.begin();
    for (const Control* field : fields)
        *text++ = field->text();
}

}  // namespace

// Each total shown is worked out again only when a text it depends on has changed (or its
// own, should anyone have typed over it): most recalculations move one or two of them.
// None of the three has a change handler, so writing one moves nothing the others read.
void CalculationPage::refresh_money_overlays() {
    const std::initializer_list<const Control*> principal{&Edit1, &Edit6, &Edit31};
    if (!texts_kept(OverlayInputs[0], principal)) {
        Edit31.set_text(format_money(money(Edit1) + money(Edit6)));
        keep_texts(OverlayInputs[0], principal);
    }
    const std::initializer_list<const Control*> monthly{&Edit1,        &Edit4,         &Edit2,
                                                        &main_.HHkkgg, &Ed1_Mzankaisu, &Edit19};
    if (!texts_kept(OverlayInputs[1], monthly)) {
        if (main_.equal_principal()) {
            const long double r = num(Edit2);
            put(Edit19, (num(Ed1_Mzankaisu) + 1) * (num(Edit1) * r / 12 / 100) / 2 + num(Edit1));
        } else {
            put(Edit19, money(Edit4).times(count(Ed1_Mzankaisu)));
        }
        keep_texts(OverlayInputs[1], monthly);
    }
    const std::initializer_list<const Control*> bonus{&Edit6,        &Edit9,         &Edit2,
                                                      &main_.HHkkgg, &Ed1_Bzankaisu, &Edit20};
    if (!texts_kept(OverlayInputs[2], bonus) || OverlayFirstMonths != main_.bonus_first_months()) {
        if (main_.equal_principal()) {
            const long double r = num(Edit2);
            put(Edit20, (num(Ed1_Bzankaisu) + 1) *
                                (num(Edit6) * r / 12 * main_.bonus_first_months() / 100) / 2 +
                            num(Edit6));
        } else {
            put(Edit20, money(Edit9).times(count(Ed1_Bzankaisu)));
        }
        keep_texts(OverlayInputs[2], bonus);
        OverlayFirstMonths = main_.bonus_first_months();
    }
    refresh_track_bar_and_last_instalments();
}

void CalculationPage::refresh_track_bar_and_last_instalments() {
    TrackBar2.set_page_size(count(Edit13));
    TrackBar2.set_selection_end(ElapsedMonths);
    TrackBar2.set_position(StepEndMonth);

    // "直前": offered when something was committed and an instalment has moved since.
    const bool moved = Edit4.text() != LastInstalmentTextM || Edit9.text() != LastInstalmentTextB;
    if (ElapsedMonths > 0 && moved) {
        // Every recalculation comes here, and the hint seldom changes: it is built only
        // when it would read otherwise.
        const std::array<std::string_view, 5> hint{"メモ記載直前の均等返済額のコピー  (月返済＝",
                                                   LastInstalmentTextM, "　ﾎﾞｰﾅｽ返済＝",
                                                   LastInstalmentTextB, ")"};
        if (!reads_as(Button21.hint(), hint)) Button21.set_hint(joined(hint));
        Button21.show();
        CBallway.show();
    } else {
        Button21.hide();
    }
}

// The slider shows where a month falls; dragging it far enough proposes a step count.
void CalculationPage::TrackBar2Change(Control&) {
    const int p = TrackBar2.position();
    Label196.set_caption(month_and_years(p));
    int step = 0;
    try {
        step = count(Edit13);
    } catch (const ConversionError&) {
        return;  // no step length typed yet: nothing to propose
    }
    if (step > 0) {
        const int k = (p - ElapsedMonths) / step;
        if (k > 1) put(Edit80, k);
    }
}

}  // namespace rebanto
