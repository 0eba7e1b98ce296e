// dazzlewick-odds chart: the pay chart of a game exactly as the main window shows it.
#include <cmath>

#include "cards/card_library.h"
#include "cards/rng.h"
#include "machine/machine.h"
#include "odds_commands.h"
#include "records/file_io.h"

namespace dw::odds {

namespace {

struct QuietDialogs : Dialogs {
    MsgAnswer message_box(std::string_view, std::string_view, MsgButtons, MsgIcon) override { return MsgAnswer::Ok; }
    void beep() override {}
    void show_cashier(CashierModel&) override {}
    void show_goodies(GoodiesModel&) override {}
    void show_percent(PercentModel&) override {}
};
struct NoCards : CardLibrary {
    int32_t InitializeDeck(intptr_t) override { return 1; }
    void SetCurrentBack(int32_t) override {}
    void DrawCard(intptr_t, int32_t, int32_t, int32_t) override {}
};
struct NoSound : SoundPlayer {
    void play(const std::string&) override {}
};

// The window shows CR LF as a line break and "&&" as one ampersand.
std::string as_shown(const std::string& caption) {
    std::string out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '\r') continue;
        if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] == '&') ++i;
        out += caption[i];
    }
    return out;
}

double parse_number(const std::string& option, const std::string& text) {
    size_t used = 0;
    double v = 0;
    try {
        v = std::stod(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || !std::isfinite(v)) throw UsageError(option + " needs a number, not '" + text + "'");
    return v;
}

}  // namespace

int run_chart(const std::vector<std::string>& args, std::ostream& out) {
    int game = 0;
    std::string payouts;
    int coins = 0;
    double jackpot = 0;
    bool progressive = false, royals = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw UsageError(a + " needs a value");
            return args[++i];
        };
        if (a == "--payouts") payouts = value();
        else if (a == "--coins") {
            const double c = parse_number(a, value());
            if (c < 0 || c > 15 || c != std::floor(c)) throw UsageError("--coins takes a whole number from 0 to 15");
            coins = static_cast<int>(c);
        } else if (a == "--jackpot") {
            jackpot = parse_number(a, value());
            if (jackpot < 0 || jackpot > 1e9) throw UsageError("--jackpot takes a number from 0 up");
        } else if (a == "--progressive") progressive = true;
        else if (a == "--royals") royals = true;
        else if (!a.empty() && a[0] == '-') throw UsageError("unknown option '" + a + "'");
        else if (game != 0) throw UsageError("chart takes one game number");
        else game = parse_game(a);
    }
    if (game == 0) throw UsageError("chart needs a game number");

    ClockRng rng(1);
    QuietDialogs dialogs;
    NoCards library;
    NoSound sound;
    MemoryStore store;  // the tool never writes a record
    if (!payouts.empty())
        if (auto text = files::read_text(payouts)) store.files["PAYOUTS.VPK"] = std::move(*text);
    Machine machine({rng, dialogs, library, sound, store, format_us_currency});
    machine.Load_Payouts();
    machine.vm.menu("Mnu_Progressive").checked = progressive;
    machine.vm.menu("Mnu_Royals").checked = royals;
    machine.Jackpot = jackpot;
    machine.Coins_Bet = static_cast<int16_t>(coins);
    machine.Select_Game(static_cast<GameId>(game));

    for (size_t p = 0; p < 7; ++p)
        out << "== Lbl_Pay " << p << " ==\n" << as_shown(machine.vm.Lbl_Pay[p].caption) << "\n";
    out << "== Pnl_Progressive_Display ==\n" << machine.vm.Pnl_Progressive_Display.caption << "\n";
    if (machine.vm.Lbl_Progressive_Bet.visible)
        out << "== Lbl_Progressive_Bet ==\n" << machine.vm.Lbl_Progressive_Bet.caption << "\n";
    out << "== Marquee_Text ==\n" << machine.Marquee_Text << "\n";
    out << "== Top_Award ==\n" << machine.Top_Award << "\n";
    out << "== Max_Bet ==\n" << machine.Max_Bet << "\n";
    return 0;
}

}  // namespace dw::odds
