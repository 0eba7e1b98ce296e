// dazzlewick-odds: hand counts and charts of the machine, from the command line.
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "games/census.h"
#include "odds_commands.h"

namespace {

int usage(const std::string& problem) {
    if (!problem.empty()) std::cerr << "dazzlewick-odds: " << problem << "\n";
    std::cerr << "usage:\n"
                 "  dazzlewick-odds deal GAME|all [--json]\n"
                 "  dazzlewick-odds chart GAME [--payouts FILE] [--coins N] [--jackpot X]"
                 " [--progressive] [--royals]\n"
                 "  dazzlewick-odds return GAME|all [--payouts FILE] [--coins N] [--jackpot X] [--hands N]\n"
                 "                          [--full-deck] [--json]\n"
                 "  dazzlewick-odds risk GAME [--bankroll B]... [--hands N]... [--payouts FILE] [--coins N]\n"
                 "                          [--full-deck] [--json]\n"
                 "  dazzlewick-odds hold GAME \"TH JH QH KH 2C\" [--coins N] [--payouts FILE] [--refused \"CARDS\"]\n"
                 "                          [--full-deck] [--json]\n"
                 "  dazzlewick-odds strategy GAME [--payouts FILE] [--coins N] [--lines N] [--json]\n"
                 "GAME is a game number from 1 to 25.\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return usage("no command given");
    const std::string command = args[0];
    args.erase(args.begin());
    try {
        if (command == "deal") return dw::odds::run_deal(args, std::cout);
        if (command == "chart") return dw::odds::run_chart(args, std::cout);
        if (command == "return") return dw::odds::run_return(args, std::cout);
        if (command == "risk") return dw::odds::run_risk(args, std::cout);
        if (command == "hold") return dw::odds::run_hold(args, std::cout);
        if (command == "strategy") return dw::odds::run_strategy(args, std::cout);
    } catch (const dw::odds::UsageError& e) {
        return usage(e.what());
    }
    return usage("unknown command '" + command + "'");
}
