// The pages of the main window laid out from the model, and the memo pages. Each page is
// a grid layout: a control goes on with one put_.place(page, row, col, form_.Control) line.
#include <QGridLayout>

#include "ui/page_views.h"
#include "ui/placer.h"

namespace rebanto::ui {

void MemoPageView::build(QGridLayout* page) {
    build_memo_page(put_, page, parts_);
}

// The loan-product schedules: group boxes side by side.
void BatchPageView::build(QGridLayout* page) {
    FlowHints hints;
    hints.follow(form_.Edit42, form_.RadioButton2)
        .caption(form_.Edit32, form_.CaptionRateStep, &form_.CaptionRateStepUnit)
        .caption(form_.Edit36, form_.CaptionVariableYears, &form_.CaptionVariableYearsUnit)
        .group(form_.Button64, form_.Button65, form_.CaptionGeneralRates)
        .follow(form_.Button67, form_.Button66);
    place_rest(page, 0, hints);
    fill_rest(page, 1, 1);
}

void SettingsPageView::build(QGridLayout* page) {
    FlowHints hints;
    hints.caption(form_.Ed5_memoobi, form_.CaptionMemoBand)
        .width(form_.Ed5_memoobi, 64)
        .caption(form_.Edit46, form_.CaptionAuthor)
        .width(form_.Edit46, 16)
        .adopt(form_.TabSheet5, form_.Ed555, &form_.Edit46)
        .caption(form_.Ed555, form_.CaptionWorkLog)
        .width(form_.Ed555, 16)
        .adopt(form_.TabSheet5, form_.Edit40, &form_.La5_kouko11)
        .group(form_.La5_kouko_kijun, form_.Edit40, form_.CaptionCorporationRates)
        .group(form_.La5_ippan1, form_.Edit57, form_.CaptionBankRates)
        .caption(form_.Edit66, form_.CaptionVariableList)
        .caption(form_.TrackBar1, form_.CaptionIndicatorPlace)
        .caption(form_.Edit68, form_.CaptionListFile)
        .width(form_.Edit68, 16);
    place_rest(page, 0, hints);
    fill_rest(page, 1, 1);
}

void ExplanationPageView::build(QGridLayout* page) {
    put_.place(page, 1, 0, form_.RichEdit3);
    page->setRowStretch(1, 1);
    // The document buttons, and whatever else the page holds, above the text.
    place_rest(page, 0);
}

}  // namespace rebanto::ui
