#include "audio/ViewAudio.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <filesystem>

#include "audio/AuFile.h"
#include "audio/AudioPlayer.h"
#include "audio/PropAudio.h"
#include "core/IconIds.h"
#include "core/KesApp.h"
#include "core/Messages.h"
#include "core/OsPath.h"
#include "output/FileGate.h"
#include "ui/OutlineIcons.h"
#include "ui/PageParts.h"
#include "ui/Text.h"

namespace {
// The icons of the three modes: play, loop, stop.
constexpr int kModeIcons[3] = {kIconSoundPlay, kIconSoundLoop, kIconSoundStop};
constexpr int kSelectIcon = 20000;
}  // namespace

ViewAudio::ViewAudio(const PageContext& context, QWidget* parent)
    : KesView(context, 1900, parent),
      file_(new QLineEdit),
      select_(new QToolButton),
      test_(new QToolButton) {
  setObjectName(QStringLiteral("ViewAudio"));
  RegisterControl(file_, 1903);
  RegisterControl(select_, 1901);
  RegisterControl(test_, 1902);
  select_->setText(QStringLiteral("..."));
  select_->setIcon(PageIcon(kSelectIcon));
  test_->setText(tr("Test"));
  for (QToolButton* b : {select_, test_}) b->setIconSize(QSize(16, 16));
  ShowTestIcon(kPlayIcon);
  connect(select_, &QToolButton::clicked, this, &ViewAudio::OnSelectAudio);
  connect(test_, &QToolButton::clicked, this, &ViewAudio::OnTestAudio);

  // The three modes as push-like radio buttons with their pictures; none is
  // pressed before the group is loaded.
  QHBoxLayout* modeRow =
      MakePushRow(this, {{"Play", kModeIcons[0]}, {"Loop", kModeIcons[1]}, {"Stop", kModeIcons[2]}},
                  modes_, 80);
  for (int i = 0; i < 3; ++i) RegisterControl(modes_[i], 1904 + i);

  auto* fileRow = new QHBoxLayout;
  fileRow->setSpacing(4);
  fileRow->addWidget(file_, 1);
  fileRow->addWidget(select_);
  fileRow->addWidget(test_);

  auto* form = new QFormLayout;
  form->setVerticalSpacing(8);
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  form->addRow(tr("&File:"), fileRow);
  form->addRow(tr("&Mode:"), modeRow);
  if (auto* label = qobject_cast<QLabel*>(form->labelForField(fileRow))) label->setBuddy(file_);
  if (auto* label = qobject_cast<QLabel*>(form->labelForField(modeRow))) label->setBuddy(modes_[0]);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->setSpacing(6);
  // A caption naming the state whose sound this is.
  title_ = AddCaption(layout, 308);
  layout->addLayout(form);
  layout->addStretch(1);

  setPlayer(AudioPlayer::Create());

  Bind(&PropAudio::file, TextOf(file_));
  // With no mode pressed (a value this program does not know) the group
  // keeps its own.
  Bind(&PropAudio::mode, IndexOf({modes_.begin(), modes_.end()}));
}

ViewAudio::~ViewAudio() = default;

PropAudio& ViewAudio::audio() const {
  return static_cast<PropAudio&>(*group());
}

void ViewAudio::setPlayer(std::unique_ptr<AudioPlayer> player) {
  player_ = std::move(player);
  connect(player_.get(), &AudioPlayer::finished, this, &ViewAudio::OnPlayDone);
  playing_ = false;
  ShowTestIcon(kPlayIcon);
}

void ViewAudio::ShowTestIcon(TestIcon icon) {
  test_->setIcon(PageIcon(icon));
  test_->setProperty("iconId", static_cast<int>(icon));
}

void ViewAudio::RefreshControls() {
  const PropAudio& a = audio();
  title_->setText(StateTitle(a.state(), tr("Sound"), tr("Sound of the %1 state"),
                             tr("Sound of the %1 state of \u201C%2\u201D")));
  KesView::RefreshControls();
}

std::string ViewAudio::ResolvedFile() const {
  // A relative name is the project folder's; one found only beside the
  // program is taken from there.
  const std::string programDir = app().platform().ProgramDir();
  const std::string inProject =
      ResolveAudioPath(FromQ(file_->text()), ProjectFolder(doc().pathName(), programDir));
  std::error_code ec;
  if (std::filesystem::exists(FsPath(inProject), ec)) return inProject;
  return ResolveAudioPath(FromQ(file_->text()), programDir);
}

void ViewAudio::OnSelectAudio() {
  std::string path = ResolvedFile();
  if (!app().platform().FileDialog(true, "au", path, kAudioFilter,
                                   FdFileMustExist | FdHideReadOnly))
    return;
  // A name the project cannot store is refused; the edit keeps the old one.
  std::string stored;
  if (TakePickedName(app().platform(), path, stored, doc().pathName())) file_->setText(ToQ(stored));
}

void ViewAudio::OnTestAudio() {
  const std::string file = FromQ(file_->text());
  player_->Stop();
  // A second press stops the sound.
  if (playing_ || file.empty()) {
    playing_ = false;
    ShowTestIcon(kPlayIcon);
    return;
  }
  Platform& platform = app().platform();
  // Only a sound the file gate lets through is read, from where it really is.
  const GateResult sound =
      SoundToTest(FileGate(platform.ProgramDir()), file, doc().pathName(), platform.ProgramDir());
  if (sound.refusal == GateRefusal::ControlCharacter) {
    platform.MessageBox(sound.message, MsgButtons::Ok, MsgIcon::Exclamation);
    return;
  }
  const std::string path = sound.path;
  if (!sound.allowed() || !ValidateAudioFile(path)) {
    platform.MessageBox(msg::Format(platform, msg::kAudioFormat, file), MsgButtons::Ok,
                        MsgIcon::Exclamation);
    return;
  }
  if (!player_->HasOutput()) {
    platform.MessageBox(msg::kNoAudioOutput, MsgButtons::Ok, MsgIcon::Exclamation);
    return;
  }
  {
    WaitCursor wait(platform);
    if (!player_->Play(path)) return;
  }
  playing_ = true;
  ShowTestIcon(kStopIcon);
}

void ViewAudio::OnPlayDone() {
  playing_ = false;
  ShowTestIcon(kPlayIcon);
}
