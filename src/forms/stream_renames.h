#pragma once
// The second repayment stream's name and interval, and every control that shows them.
// Windows register how their controls follow a change; applying the second-repayment
// settings runs them all.
#include <functional>
#include <string>
#include <vector>

namespace rebanto {

struct SecondStream {
    std::string name;  // "ﾎﾞｰﾅｽ" for a six-month interval, otherwise "第２"
    int interval = 6;  // months between two payments
};

// The stream name that goes with an interval.
inline std::string stream_name(int interval) {
    return interval == 6 ? "ﾎﾞｰﾅｽ" : "第２";
}

class StreamRenames {
public:
    using Rename = std::function<void(const SecondStream&)>;
    void add(Rename rename) { renames_.push_back(std::move(rename)); }
    void apply(const SecondStream& stream) const {
        for (const Rename& rename : renames_)
            rename(stream);
    }

private:
    std::vector<Rename> renames_;
};

}  // namespace rebanto
