#include "generated_loans.h"

#include <array>
#include <cstdio>

#include "split_mix.h"

namespace rebanto::testing {
namespace {

std::string decimal(int value, int places) {
    std::string digits = std::to_string(value);
    while (static_cast<int>(digits.size()) <= places)
        digits.insert(0, "0");
    if (places == 0) return digits;
    return digits.substr(0, digits.size() - places) + "." + digits.substr(digits.size() - places);
}

}  // namespace

std::string generated_loan_script(int n) {
    Draws d(0x5EBA5u + static_cast<std::uint64_t>(n) * 7919u);
    static constexpr std::array<const char*, 3> kInstalmentRounding{"RB11", "RB12", "RB13"};
    static constexpr std::array<const char*, 3> kInterestRounding{"RB21", "RB22", "RB23"};
    static constexpr std::array<const char*, 5> kAccrual{"Furi10000", "Furi1000", "Furi100",
                                                         "Furi10", "Furi1"};
    static constexpr std::array<const char*, 8> kShares{"0",  "0",  "10",   "20",
                                                        "25", "50", "33.3", "100"};
    static constexpr std::array<int, 9> kSteps{1, 1, 2, 3, 6, 6, 7, 12, 13};

    // Principals from 10,000 yen to 200,000,000 yen, some with odd yen.
    const int magnitude = d.below(5);
    long long principal = 10000LL * (1 + d.below(20000 / (magnitude + 1)));
    if (d.below(4) == 0) principal += d.below(9999);
    // Rates 0 … 18 % in thousandths, a few round ones and zero.
    const int rate_thousandths = d.below(10) == 0 ? 0 : d.below(18001);
    const int years = d.below(36);
    const int months = years == 0 ? 1 + d.below(11) : (d.below(3) == 0 ? d.below(12) : 0);

    std::string s;
    s += "check TForm1." + std::string(d.pick(kInstalmentRounding)) + " on\n";
    s += "check TForm1." + std::string(d.pick(kInterestRounding)) + " on\n";
    s += "check TForm1." + std::string(d.pick(kAccrual)) + " on\n";
    s += "set TForm1.HHkkgg " + std::string(d.below(4) == 0 ? "1" : "0") + "\n";
    s += "set TForm1.Ed0_moto " + std::to_string(principal) + "\n";
    s += "set TForm1.Ed0_kin " + decimal(rate_thousandths, 3) + "\n";
    s += "set TForm1.Ed0_nen " + std::to_string(years) + "\n";
    s += "set TForm1.Ed0_tuki " + std::to_string(months) + "\n";
    s += "set TForm1.Ed0_wari " + std::string(d.pick(kShares)) + "\n";
    s += "set TForm1.Edit13 " + std::to_string(d.pick(kSteps)) + "\n";
    s += "click TForm1.Button18\n";
    s += "dump TForCur.StGr1\n";
    s += "dump TForCur.StGr2\n";
    s += "memo TForm1.RichEdit1\n";
    s += "memo TForm1.RichEdit2\n";
    s += "print TForm1.Edit4\n";
    s += "print TForm1.Edit9\n";
    s += "log\n";
    return s;
}

std::string output_digest(const std::string& output) {
    std::uint64_t h = 0xCBF29CE484222325ULL;
    for (const unsigned char c : output) {
        h ^= c;
        h *= 0x100000001B3ULL;
    }
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(h));
    return buf;
}

}  // namespace rebanto::testing
