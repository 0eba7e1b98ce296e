#pragma once
#include <QSoundEffect>
#include <memory>

#include "machine/services.h"

namespace dw::shell {

// One sound at a time: a new request cuts off the one playing. Silent, without complaint,
// where there is no audio device or the file is missing.
class QtSoundPlayer : public SoundPlayer {
public:
    void play(const std::string& path) override;
    std::string last_path() const { return last_; }

private:
    std::unique_ptr<QSoundEffect> effect_;
    std::string last_;
};

}  // namespace dw::shell
