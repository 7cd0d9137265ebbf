#pragma once
// Loans generated from their number: every repayment method, rounding mode, accrual unit,
// step length and bonus share, with principals, rates and terms of all sizes. Each loan is
// a runner script that runs it to the end and prints both tables and both memos.
#include <cstdint>
#include <string>

namespace rebanto::testing {

inline constexpr int kGeneratedLoans = 1000;

// The script of loan `n` (0 ≤ n < kGeneratedLoans); the same text on every machine.
std::string generated_loan_script(int n);

// A 64-bit FNV-1a digest of a run's output, as 16 hexadecimal digits.
std::string output_digest(const std::string& output);

}  // namespace rebanto::testing
