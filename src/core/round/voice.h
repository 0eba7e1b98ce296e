#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "cards/rng.h"
#include "round/dialogs.h"

namespace dw {

// Velmora and the machine sounds: which wave file an announcement plays, the variants of the
// jacks, tens, two pairs and wild three of a kind, "You win!" for the same hand twice running,
// and the announcement held back while the side bet's win is shown.
class Voice {
public:
    Voice(SoundPlayer& player, Rng& rng) : player_(player), rng_(rng) {}

    std::filesystem::path Asset_Directory;  // where the wave files lie
    std::string Last_Sound;                 // the key of the last announcement
    // The last sound asked for (the side bet's own aside), or "QUIET!" while announcements are
    // held back; a held-back announcement is played when the side bet's window is left.
    std::string pending_sound;
    int16_t Last_Jacks_Sound = 0, Last_Tens_Sound = 0;

    std::string sound_path(std::string_view file) const;
    // Plays a wave file when `on` and nothing holds the announcements back, and remembers it.
    void Play_Sound(const std::string& path, bool on);
    // The announcement of a hand by its key sound ("jacks1.wav", ...).
    void announce(std::string_view key, bool deuces_wild, bool on);
    // Crazy Eights' deal bonus: its sound, once for the same bonus twice running.
    void announce_once(const std::string& key, bool on);
    // Holds the next announcements back (a side-bet win is shown first).
    void hold_back() { pending_sound = "QUIET!"; }
    // After the deal's announcement: a hold that nothing used is let go.
    void release_unused_hold() {
        if (pending_sound == "QUIET!") pending_sound.clear();
    }
    // The side bet's window is left: what was held back is played now.
    void play_held_back(bool on);

private:
    SoundPlayer& player_;
    Rng& rng_;
};

}  // namespace dw
