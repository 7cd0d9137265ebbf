// The manual pack file format: line layout, unrecorded settings, damaged files.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "base/errors.h"
#include "base/linefile.h"
#include "tables/pack_file.h"
#include "temp_folder.h"

namespace rebanto {
namespace {

std::vector<std::string> row(const std::string& first) {
    std::vector<std::string> r(14);
    r[0] = first;
    r[13] = first == "settings" ? "T･6･6･64･･･････････････････････････" : "";
    return r;
}

PackFile small_pack() {
    PackFile p;
    p.monthly = {row("月回"), row("settings"), row("6")};
    p.bonus = {row("月回"), row("settings")};
    p.loan_date = "2001/05/21";
    p.first_monthly_date = "2001/06/20";
    p.first_bonus_date = "2001/07/20";
    p.instalment_rounding = 2;
    p.interest_rounding = 1;
    p.method = "1";
    p.accrual_unit = 1000;
    return p;
}

TEST(PackFileLayout, ThreeAndTwoRowsMakeEightyFiveLines) {
    const auto lines = pack_lines(small_pack());
    ASSERT_EQ(lines.size(), 85u);  // 15 + 14 × (3 + 2)
    EXPECT_EQ(lines[0], "3");
    EXPECT_EQ(lines[1], "2");
    EXPECT_EQ(lines[2], "2001/05/21");
    EXPECT_EQ(lines[5], "2");
    EXPECT_EQ(lines[6], "1");
    EXPECT_EQ(lines[7], "1");
    EXPECT_EQ(lines[8], "1000");
    EXPECT_EQ(lines[9], "10");
    EXPECT_EQ(lines[14], "15");
    EXPECT_EQ(lines[15], "月回") << "the monthly header starts at line 16";
    EXPECT_EQ(lines[15 + 14 * 2], "6") << "the first data row";
    EXPECT_EQ(lines[15 + 14 * 3], "月回") << "then the bonus table";
}

TEST(PackFileLayout, ReadingBackGivesTheSameTablesDatesAndSettings) {
    const PackFile p = small_pack();
    const PackFile q = parse_pack(pack_lines(p), "a.mpc");
    EXPECT_EQ(q.monthly, p.monthly);
    EXPECT_EQ(q.bonus, p.bonus);
    EXPECT_EQ(q.first_bonus_date, p.first_bonus_date);
    EXPECT_EQ(q.instalment_rounding, 2);
    EXPECT_EQ(q.interest_rounding, 1);
    EXPECT_EQ(q.method, "1");
    EXPECT_EQ(q.accrual_unit, 1000);
}

TEST(PackFileLayout, SettingsWrittenAsTheirLineNumbersWereNotRecorded) {
    auto lines = pack_lines(small_pack());
    lines[5] = "6";
    lines[6] = "7";
    lines[7] = "8";
    lines[8] = "9";
    const PackFile q = parse_pack(lines, "a.mpc");
    EXPECT_EQ(q.instalment_rounding, 0);
    EXPECT_EQ(q.interest_rounding, 0);
    EXPECT_EQ(q.method, "0");
    EXPECT_EQ(q.accrual_unit, 1);
}

TEST(PackFileLayout, AnEmptyMonthlySettingsStringGetsTheOldDefault) {
    PackFile p = small_pack();
    p.monthly[1][13] = "";
    const PackFile q = parse_pack(pack_lines(p), "a.mpc");
    EXPECT_EQ(q.monthly[1][13], "T･6･6･12･･･････････････････････････");
}

TEST(PackFileDamage, AShortFileNamesTheFileAndTheMissingLine) {
    auto lines = pack_lines(small_pack());
    lines.resize(50);
    try {
        parse_pack(lines, "/data/loan.mpc");
        FAIL() << "a short file must not load";
    } catch (const PackFileError& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find("/data/loan.mpc"), std::string::npos) << what;
        EXPECT_NE(what.find("行 51"), std::string::npos) << what;
    }
}

TEST(PackFileDamage, ACountThatIsNotANumberIsNamed) {
    auto lines = pack_lines(small_pack());
    lines[0] = "三";
    try {
        parse_pack(lines, "x.mpc");
        FAIL();
    } catch (const PackFileError& e) {
        EXPECT_NE(std::string(e.what()).find("行 1"), std::string::npos) << e.what();
    }
}

TEST(PackFileDamage, ImpossibleRowCountsAreRefused) {
    auto lines = pack_lines(small_pack());
    lines[0] = "1";
    EXPECT_THROW(parse_pack(lines, "x.mpc"), PackFileError);
    lines[0] = "99999999";
    EXPECT_THROW(parse_pack(lines, "x.mpc"), PackFileError);
    EXPECT_THROW(parse_pack({}, "x.mpc"), PackFileError);
}

// Lines are split at LF, so a CR without its LF is read as part of a value; a cell holding
// it could never be written back.
TEST(PackFileDamage, ACarriageReturnInsideAValueIsRefusedWithItsLine) {
    auto lines = pack_lines(small_pack());
    lines[15 + 14 * 2 + 3] = "12\r345";  // first data row, column 3: line 47
    try {
        parse_pack(lines, "/data/loan.mpc");
        FAIL() << "a cell with a line break must not load";
    } catch (const PackFileError& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find("/data/loan.mpc"), std::string::npos) << what;
        EXPECT_NE(what.find("行 47"), std::string::npos) << what;
    }
    lines = pack_lines(small_pack());
    lines[2] = "2001/05/21\r";  // the loan date
    EXPECT_THROW(parse_pack(lines, "x.mpc"), PackFileError);
}

// Only the settings the program offers load: "06" would otherwise be taken as rounding mode
// 6, which is written back as "6" and then reads as not recorded.
TEST(PackFileDamage, SettingsOutsideWhatTheProgramOffersAreRefused) {
    for (const auto& [line, text] : std::vector<std::pair<std::size_t, std::string>>{
             {5, "06"}, {5, "3"}, {6, "-1"}, {8, "0"}, {8, "50"}, {8, "09"}}) {
        auto lines = pack_lines(small_pack());
        lines[line] = text;
        try {
            parse_pack(lines, "x.mpc");
            FAIL() << "line " << line + 1 << " \"" << text << "\" was taken";
        } catch (const PackFileError& e) {
            EXPECT_NE(std::string(e.what()).find("行 " + std::to_string(line + 1)),
                      std::string::npos)
                << e.what();
        }
    }
    auto lines = pack_lines(small_pack());
    lines[5] = "2";
    lines[6] = "1";
    lines[8] = "10000";
    const PackFile q = parse_pack(lines, "x.mpc");
    EXPECT_EQ(q.instalment_rounding, 2);
    EXPECT_EQ(q.interest_rounding, 1);
    EXPECT_EQ(q.accrual_unit, 10000);
}

TEST(PackFileDamage, SkippedLinesMayHoldAnything) {
    auto lines = pack_lines(small_pack());
    lines[9] = "10\r";
    lines[14] = "\r";
    EXPECT_EQ(parse_pack(lines, "x.mpc").monthly, small_pack().monthly);
}

TEST(PackFileDisk, WrittenInCodePage932WithCrLf) {
    testing::TempFolder folder;
    const std::string path = folder.file("p.mpc");
    write_pack_file(path, small_pack());
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(bytes.substr(0, 6), "3\r\n2\r\n");
    EXPECT_NE(bytes.find("\x8C\x8E\x89\xF1"), std::string::npos) << "月回 in Shift-JIS";
    EXPECT_NE(bytes.find("T\xA5"
                         "6\xA5"
                         "6\xA5"
                         "64\xA5"),
              std::string::npos);
    EXPECT_EQ(read_pack_file(path).monthly, small_pack().monthly);
}

TEST(PackFileDisk, AMissingFileIsAFileError) {
    EXPECT_THROW(read_pack_file("/nonexistent/folder/x.mpc"), FileError);
}

}  // namespace
}  // namespace rebanto
