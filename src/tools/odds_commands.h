#pragma once
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "games/pay_table.h"

namespace dw::odds {

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Parses a game number 1..25 or throws UsageError.
int parse_game(const std::string& text);
// A whole option value as a finite number, or UsageError naming the option.
double parse_number(const std::string& option, const std::string& text);
// The charts of a PAYOUTS.VPK file, or the defaults when it is missing, empty or unusable.
Pay_Table load_payouts(const std::string& payouts);

int run_deal(const std::vector<std::string>& args, std::ostream& out);
int run_chart(const std::vector<std::string>& args, std::ostream& out);
int run_return(const std::vector<std::string>& args, std::ostream& out);
int run_risk(const std::vector<std::string>& args, std::ostream& out);
int run_hold(const std::vector<std::string>& args, std::ostream& out);
int run_strategy(const std::vector<std::string>& args, std::ostream& out);

}  // namespace dw::odds
