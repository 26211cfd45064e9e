#include "audio/AudioPlayer.h"

#include <filesystem>
#include <system_error>

#include "audio/AuFile.h"
#include "core/OsPath.h"

#ifdef VB_HAVE_MULTIMEDIA
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#endif

AudioPlayer::AudioPlayer(QObject* parent) : QObject(parent) {}

AudioPlayer::~AudioPlayer() {
  if (waveFile_.empty()) return;
  std::error_code ec;
  std::filesystem::remove(FsPath(waveFile_), ec);
}

bool AudioPlayer::Play(const std::string& auFile) {
  if (auFile.empty()) return false;
  if (!ConvertToWave(auFile, waveFile_)) return false;
  PlayWave(waveFile_);
  return true;
}

namespace {

#ifdef VB_HAVE_MULTIMEDIA
// Plays through Qt Multimedia's sound effect, which takes uncompressed WAVE
// files as they are.
class QtAudioPlayer : public AudioPlayer {
 public:
  ~QtAudioPlayer() override { Stop(); }

  bool HasOutput() override { return !QMediaDevices::audioOutputs().isEmpty(); }

  void Stop() override {
    if (!effect_) return;
    // The effect goes with its connections, so no end of play is reported.
    effect_->disconnect();
    effect_->stop();
    delete effect_;
    effect_ = nullptr;
  }

 protected:
  void PlayWave(const std::string& waveFile) override {
    Stop();
    effect_ = new QSoundEffect(this);
    QSoundEffect* effect = effect_;
    auto started = std::make_shared<bool>(false);
    connect(effect, &QSoundEffect::playingChanged, effect, [this, effect, started] {
      if (effect->isPlaying()) {
        *started = true;
      } else if (*started) {
        emit finished();
      }
    });
    effect->setLoopCount(1);
    effect->setSource(QUrl::fromLocalFile(QString::fromStdString(OsName(waveFile))));
    // Plays as soon as the file is loaded.
    effect->play();
  }

 private:
  QSoundEffect* effect_ = nullptr;
};
#else
// Built without Qt Multimedia: there is nothing to play on.
class SilentAudioPlayer : public AudioPlayer {
 public:
  bool HasOutput() override { return false; }
  void Stop() override {}

 protected:
  void PlayWave(const std::string&) override {}
};
#endif

}  // namespace

std::unique_ptr<AudioPlayer> AudioPlayer::Create() {
#ifdef VB_HAVE_MULTIMEDIA
  return std::make_unique<QtAudioPlayer>();
#else
  return std::make_unique<SilentAudioPlayer>();
#endif
}
