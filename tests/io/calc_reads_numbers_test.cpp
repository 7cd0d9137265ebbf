// LibreOffice Calc opens the numeric exports of the typical loan (30,000,000 yen at
// 2.325 % over 35 years, 20 % by bonus instalments) and adds them up itself. The totals
// were worked out apart from the program: the monthly part of 24,000,000 yen pays
// 83,564 yen (24,000,000 × i / (1 − (1 + i)^−420), i = 2.325 % / 12, 83,564.26 cut to
// the yen) 420 times, 35,096,880 yen; the bonus part of 6,000,000 yen pays 125,738 yen
// (i = 2.325 % / 2 over 70 half-years, 125,738.66) 70 times, 8,801,660 yen.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "export_fixture.h"

namespace rebanto {
namespace {

namespace fs = std::filesystem;

constexpr long long kMonthlyPaid = 35'096'880;
constexpr long long kBonusPaid = 8'801'660;

using Rows = std::vector<std::vector<std::string>>;

// RFC 4180, as Calc writes it.
Rows parse_csv(const std::string& text) {
    Rows rows(1);
    std::string cell;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().push_back(std::move(cell));
            cell.clear();
        } else if (c == '\n') {
            rows.back().push_back(std::move(cell));
            cell.clear();
            rows.emplace_back();
        } else if (c != '\r') {
            cell += c;
        }
    }
    if (!cell.empty() || !rows.back().empty()) rows.back().push_back(cell);
    if (rows.back().empty()) rows.pop_back();
    return rows;
}

int column(const Rows& rows, const std::string& name) {
    for (std::size_t c = 0; c < rows.at(0).size(); ++c)
        if (rows[0][c] == name) return static_cast<int>(c);
    ADD_FAILURE() << "no column " << name;
    return 0;
}

class CalcReadsNumbers : public testing::ExportTest {
protected:
    void SetUp() override {
        if (std::system("command -v soffice >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "soffice (Debian: libreoffice-calc-nogui) is not installed";
        f1.Ed0_moto.set_text("30000000");
        f1.Ed0_kin.set_text("2.325");
        f1.Ed0_nen.set_text("35");
        f1.Ed0_wari.set_text("20");
        f1.Button18.click();  // "最後まで"
    }
    std::string save(const std::string& name) {
        platform.queue_file(folder.file(name));
        app.cur.Bt_suuti.click();
        EXPECT_EQ(platform.take_log(), std::vector<std::string>{"beep information"});
        return folder.file(name);
    }
    // Calc converts the file to CSV in a folder of its own, with a profile of its own so
    // that parallel runs do not share one.
    // Every file Calc wrote, by name.
    // A CSV is read as UTF-8, as its byte-order mark says.
    std::map<std::string, std::string> calc_csv(const std::string& file,
                                                const std::string& filter) {
        const fs::path out = folder.path() / ("calc-" + std::to_string(runs_++));
        const std::string read_as =
            file.ends_with(".csv") ? " --infilter='CSV:44,34,76,1'" : std::string();
        const std::string command = "soffice -env:UserInstallation=file://" +
                                    (folder.path() / "profile").string() + " --headless" + read_as +
                                    " --convert-to '" + filter + "' --outdir '" + out.string() +
                                    "' '" + file + "' >/dev/null 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::directory_iterator(out)) {
            std::ifstream in(entry.path(), std::ios::binary);
            std::ostringstream text;
            text << in.rdbuf();
            files[entry.path().filename().string()] = text.str();
        }
        return files;
    }
    int runs_ = 0;
};

TEST_F(CalcReadsNumbers, TheCsvInstalmentsAddUpToTheTotalsRowInCalc) {
    const std::string file = save("typical.csv");
    // Calc's own sums of the paid column over each table's period rows; a column read as
    // text would add up to 0.
    {
        std::ofstream add(file, std::ios::binary | std::ios::app);
        add << "\"=SUMIFS(O2:O999,A2:A999,\"\"月返済\"\",B2:B999,\"\"返済\"\")\","
               "\"=SUMIFS(O2:O999,A2:A999,\"\"ボーナス返済\"\",B2:B999,\"\"返済\"\")\","
               "\"=SUMIFS(I2:I999,A2:A999,\"\"月返済\"\",B2:B999,\"\"合計\"\")\"\r\n";
    }
    const auto files = calc_csv(file, "csv:Text - txt - csv (StarCalc):44,34,76");
    ASSERT_EQ(files.size(), 1u);
    const Rows rows = parse_csv(files.begin()->second);
    ASSERT_EQ(rows.size(), 1u + 71 + 71 + 1);
    ASSERT_EQ(rows[0].at(column(rows, "返済額小計")), "返済額小計");
    EXPECT_EQ(column(rows, "返済額小計"), 14);  // column O of the formulas
    EXPECT_EQ(column(rows, "均等返済額"), 8);   // column I
    const auto& sums = rows.back();
    EXPECT_EQ(sums.at(0), std::to_string(kMonthlyPaid));
    EXPECT_EQ(sums.at(1), std::to_string(kBonusPaid));
    EXPECT_EQ(sums.at(2), std::to_string(kMonthlyPaid));  // the totals row's own figure
}

TEST_F(CalcReadsNumbers, TheWorkbookHasASheetPerTableOfYenAmountsThatAddUpToTheTotals) {
    const std::string file = save("typical.xlsx");
    // Every sheet (one file each, named by the sheet), values as stored, not as shown.
    const auto files = calc_csv(
        file, "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1");
    ASSERT_EQ(files.size(), 2u);
    for (const auto& [name, text] : files) {
        const bool monthly = name.ends_with("-月返済.csv");
        ASSERT_TRUE(monthly || name.ends_with("-ボーナス返済.csv")) << name;
        const Rows rows = parse_csv(text);
        // A header line, 70 period rows and the totals row.
        ASSERT_EQ(rows.size(), 1u + 70 + 1) << name;
        const int kind = column(rows, "区分");
        const int paid = column(rows, "返済額小計");
        long long sum = 0;
        for (std::size_t r = 1; r <= 70; ++r) {
            ASSERT_EQ(rows[r].at(kind), "返済") << name << " " << r;
            sum += std::stoll(rows[r].at(paid));
        }
        EXPECT_EQ(rows[71].at(kind), "合計");
        const long long expected = monthly ? kMonthlyPaid : kBonusPaid;
        EXPECT_EQ(sum, expected) << name;
        EXPECT_EQ(std::stoll(rows[71].at(paid)), expected) << name;
        EXPECT_EQ(std::stoll(rows[71].at(column(rows, "均等返済額"))), expected) << name;
    }
    // As shown, the amounts carry the yen format: Calc took them for numbers.
    const auto first_sheet = calc_csv(file, "csv:Text - txt - csv (StarCalc):44,34,76");
    ASSERT_EQ(first_sheet.size(), 1u);
    const Rows shown = parse_csv(first_sheet.begin()->second);
    ASSERT_GT(shown.size(), 2u);
    EXPECT_EQ(shown[1].at(column(shown, "元金")), "¥24,000,000");
    EXPECT_EQ(shown[1].at(column(shown, "年金利")), "2.325");
}

}  // namespace
}  // namespace rebanto
