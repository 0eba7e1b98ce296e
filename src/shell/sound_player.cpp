#include "sound_player.h"

#include <QFileInfo>
#include <QUrl>

namespace dw::shell {

void QtSoundPlayer::play(const std::string& path) {
    last_ = path;
    if (effect_) effect_->stop();
    const QString file = QString::fromStdString(path);
    if (!QFileInfo::exists(file)) return;
    if (!effect_) effect_ = std::make_unique<QSoundEffect>();
    if (effect_->source() != QUrl::fromLocalFile(file)) effect_->setSource(QUrl::fromLocalFile(file));
    effect_->play();
}

}  // namespace dw::shell
