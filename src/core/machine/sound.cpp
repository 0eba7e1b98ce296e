#include "machine/machine.h"

namespace dw {

// Plays a wave file while sound is on and nothing holds the announcements back; every
// request but the side bet's own is remembered, so a held-back announcement can be played
// later.
void Machine::Play_Sound(const std::string& path) {
    if (sound_on() && !path.empty() && pending_sound != "QUIET!") svc_.sound.play(path);
    if (path.find("Juicy") == std::string::npos) pending_sound = path;
}

}  // namespace dw
