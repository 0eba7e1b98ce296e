#include "machine/machine.h"

namespace dw {

void Machine::Play_Sound(const std::string& path) { voice_.Play_Sound(path, sound_on()); }

}  // namespace dw
