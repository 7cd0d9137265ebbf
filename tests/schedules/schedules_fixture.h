#pragma once
// A started application for the batch-table tests, with helpers to read the schedules.
// Expected amounts come from a payment-by-payment calculation done apart from the program
// with exact fractions: interest truncated on the balance cut to 100 yen, the annuity
// rounded to ten-thousandths and truncated to yen.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <string>
#include <vector>

#include "forms/app.h"
#include "model/headless_platform.h"

namespace rebanto::testing {

// Remembers the folder each file dialog was opened in.
class RecordingPlatform : public HeadlessPlatform {
public:
    std::optional<std::string> open_file(const FileDialogRequest& request) override {
        requests.push_back(request);
        return HeadlessPlatform::open_file(request);
    }
    std::optional<std::string> save_file(const FileDialogRequest& request) override {
        requests.push_back(request);
        return HeadlessPlatform::open_file(request);
    }
    std::vector<FileDialogRequest> requests;
};

// A start folder of its own, so that no settings or list file of the machine is read.
class StartFolder {
public:
    StartFolder() {
        static std::atomic<int> serial{0};
        path_ =
            std::filesystem::temp_directory_path() /
            ("rebanto-schedules-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~StartFolder() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& path() const { return path_; }
    AppOptions options() const {
        AppOptions options;
        options.start_folder = path_;
        return options;
    }

private:
    std::filesystem::path path_;
};

class ScheduleTest : public ::testing::Test {
protected:
    ScheduleTest() : app(platform, start_folder.options()) {
        platform.set_today(Date{2026, 12, 8});
        app.start();
        platform.take_log();
    }

    void enter_loan(const std::string& principal, const std::string& rate, const std::string& years,
                    const std::string& bonus_share, const std::string& months = "0") {
        f1.Ed0_moto.set_text(principal);
        f1.Ed0_kin.set_text(rate);
        f1.Ed0_nen.set_text(years);
        f1.Ed0_tuki.set_text(months);
        f1.Ed0_wari.set_text(bonus_share);
        platform.take_log();
    }

    // Period rows: column 1 holds the year, a number.
    static std::vector<std::vector<std::string>> period_rows(const Grid& table) {
        std::vector<std::vector<std::string>> rows;
        for (int r = 2; r < table.row_count(); ++r) {
            const std::string& year = table.cell(r, 1);
            if (!year.empty() && year != "経" && year != "内") rows.push_back(table.row_cells(r));
        }
        return rows;
    }
    // The period row of a month (column 0).
    static std::vector<std::string> row_of(const Grid& table, int month) {
        for (const auto& row : period_rows(table)) {
            if (row[0] == std::to_string(month)) return row;
        }
        return {};
    }
    static const std::vector<std::string>& totals_row(const Grid& table) {
        return table.row_cells(table.row_count() - 1);
    }
    static bool has_line(const Memo& memo, const std::string& line) {
        const auto& lines = memo.lines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    static std::string tail() { return "未記入無名 -- 2026/12/08 --  --"; }

    RecordingPlatform platform;
    StartFolder start_folder;
    App app;
    TForm1& f1 = app.main;
    Grid& monthly = app.cur.StGr1;
    Grid& bonus = app.cur.StGr2;
};

}  // namespace rebanto::testing
