#include <SDL.h>
#include <QDataStream>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "qt/cue_player.hpp"
#include "qt/sdl_library.hpp"
#include "tests/widgets/stuck_pipe.hpp"

namespace zaptrail::testing {
namespace {

// A wave file of 16-bit samples holding one steady tone level, `milliseconds` long.
QString WriteWave(const QTemporaryDir& directory, const QString& name, int32_t frequency,
                  int16_t channels, int32_t milliseconds) {
  const int32_t frames = frequency * milliseconds / 1000;
  const int32_t dataBytes = frames * channels * 2;
  QByteArray bytes;
  QDataStream out(&bytes, QIODevice::WriteOnly);
  out.setByteOrder(QDataStream::LittleEndian);
  out.writeRawData("RIFF", 4);
  out << int32_t{36 + dataBytes};
  out.writeRawData("WAVEfmt ", 8);
  out << int32_t{16} << int16_t{1} << channels << frequency << frequency * channels * 2
      << static_cast<int16_t>(channels * 2) << int16_t{16};
  out.writeRawData("data", 4);
  out << dataBytes;
  for (int32_t i = 0; i < frames * channels; ++i) out << int16_t{8000};
  const QString path = directory.filePath(name);
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(bytes);
  return path;
}

// Keeps the device from taking any queued sound while it lives, so that what a cue queued can
// be seen however slowly this thread runs.
class HeldDevice {
 public:
  explicit HeldDevice(const CuePlayer& player) : device_(player.Device()) {
    Sdl().LockAudioDevice(device_);
  }
  ~HeldDevice() { Sdl().UnlockAudioDevice(device_); }
  HeldDevice(const HeldDevice&) = delete;
  HeldDevice& operator=(const HeldDevice&) = delete;

 private:
  SDL_AudioDeviceID device_;
};

// 22050 Hz mono 16-bit, the device's own format: two bytes a sample.
constexpr int32_t kLongBytes = 22050 * 2;        // one second
constexpr int32_t kShortBytes = 22050 * 2 / 10;  // a tenth of a second

}  // namespace

class CuePlayerTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    beeps_ = 0;
    longCue_ = WriteWave(directory_, QStringLiteral("LONG.WAV"), 22050, 1, 1000);
    shortCue_ = WriteWave(directory_, QStringLiteral("SHORT.WAV"), 22050, 1, 100);
  }

  void ASecondCueCutsTheFirstAndNothingFollows() {
    const std::unique_ptr<CuePlayer> player = StartPlayer();
    QVERIFY(player->WaitForDevice());
    {
      const HeldDevice held(*player);
      player->Play(Path(longCue_));
      QCOMPARE(player->PendingBytes(), kLongBytes);
      player->Play(Path(shortCue_));
      QCOMPARE(player->PendingBytes(), kShortBytes);
    }
    QTRY_COMPARE_WITH_TIMEOUT(player->PendingBytes(), 0, 2000);
    // The rest of the long cue is nowhere behind: the next cue queues its own bytes, no more.
    const HeldDevice held(*player);
    player->Play(Path(shortCue_));
    QCOMPARE(player->PendingBytes(), kShortBytes);
    QCOMPARE(beeps_, 0);
  }

  void TheSameCueAgainStartsFromItsBeginning() {
    const std::unique_ptr<CuePlayer> player = StartPlayer();
    QVERIFY(player->WaitForDevice());
    player->Play(Path(longCue_));
    QTRY_VERIFY_WITH_TIMEOUT(player->PendingBytes() < kLongBytes - 8192, 3000);
    const HeldDevice held(*player);
    player->Play(Path(longCue_));
    QCOMPARE(player->PendingBytes(), kLongBytes);
  }

  void AFileInAnotherFormatIsConverted() {
    const std::unique_ptr<CuePlayer> player = StartPlayer();
    QVERIFY(player->WaitForDevice());
    const HeldDevice held(*player);
    player->Play(Path(WriteWave(directory_, QStringLiteral("STEREO.WAV"), 44100, 2, 1000)));
    QVERIFY(player->PendingBytes() > kLongBytes - 4096);
    QVERIFY(player->PendingBytes() <= kLongBytes + 1024);
    QCOMPARE(beeps_, 0);
  }

  void AMissingOrUnreadableFileBeepsInstead() {
    const std::unique_ptr<CuePlayer> player = StartPlayer();
    QVERIFY(player->WaitForDevice());
    player->Play(Path(longCue_));
    player->Play(Path(directory_.filePath(QStringLiteral("NONE.WAV"))));
    QCOMPARE(beeps_, 1);
    QCOMPARE(player->PendingBytes(), 0);  // the alert stands in for a new cue
    QFile garbage(directory_.filePath(QStringLiteral("BAD.WAV")));
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("RIFF but no wave at all");
    garbage.close();
    player->Play(Path(garbage.fileName()));
    QCOMPARE(beeps_, 2);
  }

  // A pipe is opened without waiting and, like a huge file, stands in for a missing cue.
  void OnlyARegularFileOfASaneSizePlays() {
    const std::unique_ptr<CuePlayer> player = StartPlayer();
    QVERIFY(player->WaitForDevice());
    {
      const StuckPipe pipe(Path(directory_.filePath(QStringLiteral("PIPE.WAV"))));
      QVERIFY(pipe.Made());
      player->Play(Path(directory_.filePath(QStringLiteral("PIPE.WAV"))));
      QVERIFY(!pipe.HadToRelease());
    }
    QCOMPARE(beeps_, 1);
    player->Play(Path(WriteWave(directory_, QStringLiteral("HUGE.WAV"), 22050, 1, 120000)));
    QCOMPARE(beeps_, 2);
    QCOMPARE(player->PendingBytes(), 0);
  }

  void WithoutADeviceCuesAreSilent_data() {
    QTest::addColumn<QByteArray>("driver");
    QTest::addColumn<QByteArray>("diskFile");
    QTest::newRow("no driver") << QByteArray("no-such-driver") << QByteArray();
    QTest::newRow("device fails to open") << QByteArray("disk") << QByteArray("/nonexistent/x");
  }

  void WithoutADeviceCuesAreSilent() {
    QFETCH(QByteArray, driver);
    QFETCH(QByteArray, diskFile);
    const auto restore = qScopeGuard([dummy = qgetenv("SDL_AUDIODRIVER")] {
      qputenv("SDL_AUDIODRIVER", dummy);
      qunsetenv("SDL_DISKAUDIOFILE");
    });
    qputenv("SDL_AUDIODRIVER", driver);
    qputenv("SDL_DISKAUDIOFILE", diskFile);
    CuePlayer player([this] { ++beeps_; });
    player.Play(Path(directory_.filePath(QStringLiteral("NONE.WAV"))));  // not open yet: no wait
    QCOMPARE(beeps_, 0);
    player.StartOpening();
    QVERIFY(!player.WaitForDevice());
    player.Play(Path(longCue_));
    QCOMPARE(player.PendingBytes(), 0);
    QCOMPARE(beeps_, 0);
    // The desktop's alert does not need our device.
    player.Play(Path(directory_.filePath(QStringLiteral("NONE.WAV"))));
    QCOMPARE(beeps_, 1);
  }

 private:
  std::unique_ptr<CuePlayer> StartPlayer() {
    auto player = std::make_unique<CuePlayer>([this] { ++beeps_; });
    player->StartOpening();
    return player;
  }

  static std::string Path(const QString& path) { return QFile::encodeName(path).toStdString(); }

  QTemporaryDir directory_;
  QString longCue_;
  QString shortCue_;
  int32_t beeps_ = 0;
};

}  // namespace zaptrail::testing

QTEST_GUILESS_MAIN(zaptrail::testing::CuePlayerTest)
#include "cue_player_test.moc"
