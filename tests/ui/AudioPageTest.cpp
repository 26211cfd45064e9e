// The sound page: the file and mode of a state's sound, and test playback
// through a stand-in for the audio device.
#include <QToolButton>
#include <filesystem>

#include "OutlineFixture.h"
#include "audio/AudioPlayer.h"
#include "audio/PropAudio.h"
#include "audio/ViewAudio.h"
#include "core/Messages.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {
enum Id { kSelect = 1901, kTest = 1902, kFile = 1903, kPlay = 1904, kLoop = 1905, kStop = 1906 };

// Plays nothing; remembers what it was asked to play and whether the file
// was there to play.
class FakePlayer : public AudioPlayer {
 public:
  bool output = true;
  std::vector<std::string> played;
  std::vector<std::string> playedBytes;
  int stops = 0;

  bool HasOutput() override { return output; }
  void Stop() override { ++stops; }
  // The sound comes to its end.
  void End() { emit finished(); }

 protected:
  void PlayWave(const std::string& waveFile) override {
    played.push_back(waveFile);
    playedBytes.push_back(ReadBytes(waveFile));
  }
};

std::string Big(std::uint32_t v) {
  std::string s;
  for (int shift = 24; shift >= 0; shift -= 8) s.push_back(static_cast<char>((v >> shift) & 0xFF));
  return s;
}

// A Sun audio file of `samples` µ-law bytes at `rate`.
std::string AuFile(std::uint32_t rate, const std::string& samples) {
  return Big(0x2E736E64) + Big(24) + Big(std::uint32_t(samples.size())) + Big(1) + Big(rate) +
         Big(1) + samples;
}
}  // namespace

class AudioPage : public OutlineTest {
 protected:
  void SetUp() override {
    OutlineTest::SetUp();
    platform.programDir = dir.dir();
    WriteBytes(dir / "ding.au", AuFile(8000, std::string("\x00\x80\xFF", 3)));
    WriteBytes(dir / "wrong.au", AuFile(11025, "abc"));
    Open(0);
  }
  // The audio page of state `s` of the first button, with a fake player.
  void Open(int s) {
    Click(Item(0, s, 2));
    page = qobject_cast<ViewAudio*>(props->currentPage());
    ASSERT_TRUE(page);
    auto fake = std::make_unique<FakePlayer>();
    player = fake.get();
    page->setPlayer(std::move(fake));
  }
  template <class W>
  W* Get(int id) const {
    return qobject_cast<W*>(page->control(id));
  }
  void PressTest() { QTest::mouseClick(Get<QToolButton>(kTest), Qt::LeftButton); }
  int TestIcon() const { return Get<QToolButton>(kTest)->property("iconId").toInt(); }
  // Lets the old page go, as the event loop does.
  void Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

  TempDir dir;
  ViewAudio* page = nullptr;
  FakePlayer* player = nullptr;
};

TEST_F(AudioPage, ShowsAndStoresTheFileAndMode) {
  PropAudio& over = *Button(0)->overState->audio;
  over.file = "x.au";
  over.mode = 1;
  Open(1);
  EXPECT_EQ(Get<QLineEdit>(kFile)->text(), "x.au");
  EXPECT_TRUE(Get<QToolButton>(kLoop)->isChecked());
  EXPECT_FALSE(Get<QToolButton>(kPlay)->isChecked());
  EXPECT_EQ(Get<QLineEdit>(kFile)->toolTip(), "Audio File");
  EXPECT_EQ(TestIcon(), ViewAudio::kPlayIcon);
  for (int id : {kSelect, kTest, kPlay, kLoop, kStop})
    EXPECT_FALSE(Get<QToolButton>(id)->icon().isNull());

  QTest::mouseClick(Get<QToolButton>(kStop), Qt::LeftButton);
  Type(Get<QLineEdit>(kFile), "http://example.org/a.au");
  Click(Item(0));
  EXPECT_EQ(over.mode, 2);
  EXPECT_EQ(over.file, "http://example.org/a.au");
  EXPECT_TRUE(doc.IsModified());

  // A mode this program does not know presses no button and is kept.
  over.mode = 7;
  app.RefreshPages();  // the open page starts from the group as it now is
  doc.MarkSaved();
  Open(1);
  for (int id : {kPlay, kLoop, kStop}) EXPECT_FALSE(Get<QToolButton>(id)->isChecked());
  Click(Item(0));
  EXPECT_EQ(over.mode, 7);
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(AudioPage, SelectStartsFromTheFileMadeAbsolute) {
  Type(Get<QLineEdit>(kFile), "sounds/click.au");
  platform.fileAnswers.push_back("/home/u/beep.au");
  QTest::mouseClick(Get<QToolButton>(kSelect), Qt::LeftButton);
  ASSERT_EQ(platform.fileDialogs.size(), 1u);
  EXPECT_TRUE(platform.fileDialogs[0].open);
  EXPECT_EQ(platform.fileDialogs[0].defaultExt, "au");
  EXPECT_EQ(platform.fileDialogs[0].proposed, dir / "sounds/click.au");
  EXPECT_EQ(platform.fileDialogs[0].filter, "Audio Files (*.au)|*.au|All Files (*.*)|*.*||");
  EXPECT_EQ(platform.fileDialogs[0].flags, FdFileMustExist | FdHideReadOnly);
  EXPECT_EQ(Get<QLineEdit>(kFile)->text(), "/home/u/beep.au");
  QTest::mouseClick(Get<QToolButton>(kSelect), Qt::LeftButton);  // Cancel
  EXPECT_EQ(Get<QLineEdit>(kFile)->text(), "/home/u/beep.au");
}

TEST_F(AudioPage, TestPlaysOnceAndASecondPressStops) {
  Type(Get<QLineEdit>(kFile), "ding.au");  // relative to the program's folder
  PressTest();
  ASSERT_EQ(player->played.size(), 1u);
  const std::string first = player->played[0];
  EXPECT_TRUE(page->playing());
  EXPECT_EQ(TestIcon(), ViewAudio::kStopIcon);
  // 8-bit PCM of the three samples after the 44-byte header.
  ASSERT_EQ(player->playedBytes[0].size(), 47u);
  EXPECT_EQ(player->playedBytes[0].substr(0, 4), "RIFF");
  EXPECT_EQ(player->playedBytes[0].substr(44), std::string("\x02\xFD\x80", 3));

  // A second press stops without playing again.
  PressTest();
  EXPECT_FALSE(page->playing());
  EXPECT_EQ(TestIcon(), ViewAudio::kPlayIcon);
  EXPECT_EQ(player->played.size(), 1u);
  EXPECT_EQ(player->stops, 2);

  // The next test makes a new file and deletes the one before.
  PressTest();
  ASSERT_EQ(player->played.size(), 2u);
  EXPECT_NE(player->played[1], first);
  EXPECT_FALSE(fs::exists(first));
  EXPECT_TRUE(fs::exists(player->played[1]));

  // The end of the sound flips the icon back; the next press plays again.
  player->End();
  EXPECT_FALSE(page->playing());
  EXPECT_EQ(TestIcon(), ViewAudio::kPlayIcon);
  PressTest();
  EXPECT_EQ(player->played.size(), 3u);
  EXPECT_FALSE(fs::exists(player->played[1]));

  // The last file goes with the page.
  const std::string last = player->played[2];
  Click(Item(0));
  Settle();
  EXPECT_FALSE(fs::exists(last));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(AudioPage, AWrongFileIsReportedAndNothingPlays) {
  Type(Get<QLineEdit>(kFile), "wrong.au");
  PressTest();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            "The audio file 'wrong.au' is not in the correct format.  It should be Sun '.au' "
            u8"format, 8000 Hz, mono, µ-law.");
  EXPECT_EQ(platform.messages[0].icon, MsgIcon::Exclamation);
  Type(Get<QLineEdit>(kFile), "missing.au");
  PressTest();
  EXPECT_EQ(platform.messages.size(), 2u);
  EXPECT_TRUE(player->played.empty());
  EXPECT_TRUE(player->waveFile().empty());
  EXPECT_EQ(TestIcon(), ViewAudio::kPlayIcon);

  // No file: the press only stops.
  Type(Get<QLineEdit>(kFile), "");
  PressTest();
  EXPECT_EQ(platform.messages.size(), 2u);
  EXPECT_TRUE(player->played.empty());
}

TEST_F(AudioPage, WithoutAnAudioOutputTestSaysSoAndNothingElseChanges) {
  player->output = false;
  Type(Get<QLineEdit>(kFile), "ding.au");
  PressTest();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, msg::kNoAudioOutput);
  EXPECT_TRUE(player->played.empty());
  EXPECT_TRUE(player->waveFile().empty());
  EXPECT_FALSE(page->playing());
  EXPECT_EQ(TestIcon(), ViewAudio::kPlayIcon);
  EXPECT_FALSE(doc.IsModified());
}
