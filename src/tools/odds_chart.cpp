#include "odds_commands.h"

namespace dw::odds {

int run_chart(const std::vector<std::string>&, std::ostream&) { throw UsageError("chart is not available yet"); }

}  // namespace dw::odds
