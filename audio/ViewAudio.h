// The page of a state's sound: the audio file, a test playback of it, and
// whether the button plays, loops or stops the sound when it enters the state.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/Translatable.h"
#include "ui/KesView.h"

class AudioPlayer;
class PropAudio;
class QLabel;
class QLineEdit;
class QToolButton;

class ViewAudio : public KesView {
  Q_OBJECT
 public:
  explicit ViewAudio(const PageContext& context, QWidget* parent = nullptr);
  ~ViewAudio() override;

  PropAudio& audio() const;

  // Icons of the test button.
  enum TestIcon { kPlayIcon = 160, kStopIcon = 208 };

  bool playing() const { return playing_; }
  AudioPlayer& player() const { return *player_; }
  // Replaces the player (the previous one stops and deletes its file).
  void setPlayer(std::unique_ptr<AudioPlayer> player);

  static constexpr const char* kAudioFilter =
      VB_TR_NOOP("FileDialog", "Audio Files (*.au)|*.au|All Files (*.*)|*.*||");

 protected:
  void RefreshControls() override;

 private:
  // "...": picks an audio file, starting from the current one.
  void OnSelectAudio();
  // Test: plays the file once, or stops it when it plays.
  void OnTestAudio();
  // The sound came to its end.
  void OnPlayDone();
  void ShowTestIcon(TestIcon icon);
  // The sound the edit names, as a path of the system's.
  std::string ResolvedFile() const;

  QLabel* title_;
  QLineEdit* file_;
  QToolButton* select_;
  QToolButton* test_;
  std::vector<QToolButton*> modes_;  // play, loop, stop
  std::unique_ptr<AudioPlayer> player_;
  bool playing_ = false;
};
