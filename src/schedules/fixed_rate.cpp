// General bank loans at one fixed rate for the whole term: one instalment from the first
// payment to the last, month by month or payment by payment of the second stream. The
// bonus timing is the user's, whatever the interval.
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

std::string fixed_rate_head(bool equal_principal, const std::string& stream) {
    return std::string(equal_principal ? "元金均等返済検討書（" : "Rebanto（") + stream +
           "返済）＊＊＊月次返済表＊＊＊" + "  -- by.";
}

}  // namespace

void TForm1::all_mon(std::string rate, std::string years, std::string principal) {
    const int n = count(Ed1_Mzankaisu);
    st_ikkazu();
    Ed0_wari.set_text("0");
    Ed0_nen.set_text(years);
    Ed0_moto.set_text(principal);
    Ed0_kin.set_text(rate);
    NextPrincipalB = Money();
    start_part(false, fixed_rate_head(equal_principal(), "月"));
    PRset1(Ed0_kin);
    set_step_months("1");
    for (int i = 1; i <= n; ++i) {
        if (i > 1) batch_hold();
        if (!batch_commit()) break;
    }
    goukeikinyu_m();
    end_ikkazu();
}

void TForm1::all_bon(std::string rate, std::string principal) {
    const int n = count(Ed1_Mzankaisu);
    st_ikkazu();
    Ed0_wari.set_text("100");
    Ed0_moto.set_text(principal);
    Ed0_kin.set_text(rate);
    NextPrincipalM = Money();
    start_part(true, fixed_rate_head(equal_principal(), Button67.caption()));
    PRset1(Ed0_kin);
    const int interval = bonus_interval();
    set_step_months(std::to_string(interval));
    PRset1(Ed0_kin);
    // Months covered so far, each step counting one interval.
    int covered = 0;
    if (interval < bonus_first_months()) {
        // The steps before a late first payment carry no payment of the stream.
        for (int i = 0; i < bonus_first_months() / interval; ++i, covered += interval)
            batch_commit();
    }
    const int payments = count(Ed1_Bzankaisu);
    for (int i = 1; i <= payments && covered < n; ++i, covered += interval) {
        if (i > 1) batch_hold();
        if (!batch_commit()) break;
    }
    goukeikinyu_b();
    end_ikkazu();
}

void TForm1::Button66Click(Control&) {
    batch_run(false, [this] {
        PRset1(Ed0_kin);
        Bt7_MClearClick(Bt7_MClear);
        if (Edit1.tag() == 1) all_mon(Ed0_kin.text(), Ed0_nen.text(), Edit1.text());
        Ed555.set_text("KoM");
        beep(Beep::Information);
    });
}

void TForm1::Button67Click(Control&) {
    batch_run(false, [this] {
        PRset1(Ed0_kin);
        Bt7_BClearClick(Bt7_BClear);
        if (Edit6.tag() == 1) all_bon(Ed0_kin.text(), Edit6.text());
        Ed555.set_text("KoB");
        beep(Beep::Information);
    });
}

void TForm1::Button68Click(Control&) {
    batch_run(false, [this] {
        build_both_parts([this] { all_mon(Ed0_kin.text(), Ed0_nen.text(), Edit1.text()); },
                         [this] { all_bon(Ed0_kin.text(), Edit6.text()); }, "Ko");
    });
}

}  // namespace rebanto
