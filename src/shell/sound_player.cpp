#include "sound_player.h"

#include <QFileInfo>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QUrl>
#include <cstdio>

namespace dw::shell {

void QtSoundPlayer::play(const std::string& path) {
    last_ = path;
    // Asked once for the whole program: without a device it plays silently and says so in one line.
    static const bool device = [] {
        const bool any = !QMediaDevices::audioOutputs().isEmpty();
        if (!any) std::fprintf(stderr, "Dazzlewick: no audio device; the machine plays silently.\n");
        return any;
    }();
    if (!device) return;
    if (effect_) effect_->stop();
    const QString file = QString::fromStdString(path);
    if (!QFileInfo::exists(file)) return;
    if (!effect_) effect_ = std::make_unique<QSoundEffect>();
    if (effect_->source() != QUrl::fromLocalFile(file)) effect_->setSource(QUrl::fromLocalFile(file));
    effect_->play();
}

}  // namespace dw::shell
