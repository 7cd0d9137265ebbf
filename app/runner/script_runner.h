#pragma once
// The headless runner: drives the App on a HeadlessPlatform, one command per line.
// tests/script/README.md describes the commands.
#include <iosfwd>
#include <string>

#include "forms/app.h"
#include "model/headless_platform.h"

namespace rebanto {

class LineReader;

class ScriptRunner {
public:
    // Exit codes of a run.
    static constexpr int kOk = 0;
    static constexpr int kExpectFailed = 1;
    static constexpr int kBadScript = 2;

    ScriptRunner(App& app, HeadlessPlatform& platform, std::ostream& out, std::ostream& err);

    // Runs every line of the stream. Stops at the first malformed line or unknown target
    // (exit 2); a failed `expect` is reported and the run goes on, ending with exit 1.
    int run(std::istream& in);

private:
    using Command = void (ScriptRunner::*)(LineReader&);
    static Command find_command(const std::string& name);

    void execute(const std::string& line);
    void report(const std::string& message);

    void set_text(LineReader& reader);
    void click(LineReader& reader);
    void dbl_click(LineReader& reader);
    void right_click(LineReader& reader);
    void exit(LineReader& reader);
    void enter(LineReader& reader);
    void hover(LineReader& reader);
    void check(LineReader& reader);
    void select(LineReader& reader);
    void cell(LineReader& reader);
    void key(LineReader& reader);
    void page(LineReader& reader);
    void answer(LineReader& reader);
    void file(LineReader& reader);
    void print(LineReader& reader);
    void dump(LineReader& reader);
    void memo(LineReader& reader);
    void log(LineReader& reader);
    void echo(LineReader& reader);
    void expect(LineReader& reader);
    void today(LineReader& reader);
    void fix_random(LineReader& reader);
    void close(LineReader& reader);

    App& app_;
    HeadlessPlatform& platform_;
    std::ostream& out_;
    std::ostream& err_;
    int line_number_ = 0;
    int expects_ = 0;
    int failed_expects_ = 0;
};

}  // namespace rebanto
