#pragma once
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace dw::odds {

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Parses a game number 1..25 or throws UsageError.
int parse_game(const std::string& text);

int run_deal(const std::vector<std::string>& args, std::ostream& out);
int run_chart(const std::vector<std::string>& args, std::ostream& out);
int run_return(const std::vector<std::string>& args, std::ostream& out);
int run_hold(const std::vector<std::string>& args, std::ostream& out);

}  // namespace dw::odds
