#include "round/voice.h"

namespace dw {

std::string Voice::sound_path(std::string_view file) const { return (Asset_Directory / std::string(file)).string(); }

void Voice::Play_Sound(const std::string& path, bool on) {
    if (on && !path.empty() && pending_sound != "QUIET!") player_.play(path);
    // Every request but the side bet's own is remembered, so a held-back announcement can be
    // played later.
    if (path.find("Juicy") == std::string::npos) pending_sound = path;
}

void Voice::announce(std::string_view key, bool deuces_wild, bool on) {
    if (key.empty()) return;
    if (Last_Sound == key) {
        Play_Sound(sound_path("youwin1.wav"), on);
        return;
    }
    std::string file(key);
    if (key == "jacks1.wav" || key == "tens1.wav") {
        int16_t& last = key == "jacks1.wav" ? Last_Jacks_Sound : Last_Tens_Sound;
        int k;
        do k = rnd_1_to(rng_, 3);
        while (k == last);
        last = static_cast<int16_t>(k);
        file = std::string(key.substr(0, key.size() - 5)) + std::to_string(k) + ".wav";
    } else if (key == "twopair1.wav") {
        file = "twopair" + std::to_string(rnd_1_to(rng_, 2)) + ".wav";
    } else if (key == "threeknd.wav" && deuces_wild) {
        file = rnd_1_to(rng_, 2) == 1 ? "threeknd.wav" : "three2.wav";
    }
    Play_Sound(sound_path(file), on);
    Last_Sound = std::string(key);
}

void Voice::announce_once(const std::string& key, bool on) {
    if (Last_Sound != key) Play_Sound(sound_path(key), on);
    Last_Sound = key;
}

void Voice::play_held_back(bool on) {
    if (pending_sound.empty()) return;
    const std::string held_back = pending_sound;
    pending_sound.clear();
    Play_Sound(held_back, on);
    pending_sound.clear();
}

}  // namespace dw
