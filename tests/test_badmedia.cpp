// Broken media never stops the game: every file of the game missing, empty, cut short, full of
// random bytes, of the other kind, or with a header that claims far more than is there. And a game
// without its media or without a sound device says so in one line of its own, and nothing more.
#include "support/harness.h"

#include "game/form1.h"
#include "runtime/audioengine.h"
#include "runtime/mediachannel.h"

#include <QApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {
const char *const kFiles[] = {"Hudba7.mid",           "hudba8.mid", "Hudba13.mid",     "Hudba10.mid",
                              "Hudba15.mid",          "Hudba2.mid", "frame3start.wav", "9m18.wav",
                              "Hudbabarvstupatd.wav", "uvod2.wav",  "police.wav"};

} // namespace

class TestBadMedia : public QObject {
    Q_OBJECT
  private slots:
    void brokenFilesAreSilentAndTheGameGoesOn_data();
    void brokenFilesAreSilentAndTheGameGoesOn();
    void startedGameSaysWhatIsMissingOnce_data();
    void startedGameSaysWhatIsMissingOnce();

  private:
    const QString media = QDir::currentPath(); // the generated media lie where the tests start
};

void TestBadMedia::brokenFilesAreSilentAndTheGameGoesOn_data() {
    QTest::addColumn<QString>("kind");
    for (const char *k : {"missing", "empty", "truncated", "random", "otherkind", "hugeheader"})
        QTest::newRow(k) << QString(k);
}

void TestBadMedia::brokenFilesAreSilentAndTheGameGoesOn() {
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QRandomGenerator rng(1234);
    auto le32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char *>(&v), 4); };
    auto original = [&](const QString &name) {
        QFile f(QDir(media).filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    for (const char *name : kFiles) {
        const QString n = QString::fromLatin1(name);
        const bool midi = n.endsWith(".mid");
        QByteArray data;
        if (kind == "missing") continue;
        if (kind == "truncated") data = original(n).left(original(n).size() / 3);
        if (kind == "random") {
            data.resize(4 * (1250 + rng.bounded(5000)));
            rng.fillRange(reinterpret_cast<quint32 *>(data.data()), data.size() / 4);
            if (midi) data.replace(0, 4, "MThd"); // random, yet past the first check
        }
        if (kind == "otherkind") data = original(midi ? "police.wav" : "Hudba7.mid");
        // A header that claims 2 GiB of 8-channel audio, or thousands of tracks and one far longer than the
        // file.
        if (kind == "hugeheader" && !midi)
            data = "RIFF" + le32(0xFFFFFFF0u) + "WAVEfmt " + le32(16) + QByteArray::fromHex("01000800") +
                   le32(48000) + le32(48000 * 16) + QByteArray::fromHex("10001000") + "data" +
                   le32(0xFFFFFF00u) + QByteArray(64, 17);
        if (kind == "hugeheader" && midi)
            data = "MThd" + QByteArray::fromHex("000000060001ffff01e0") + "MTrk" +
                   QByteArray::fromHex("7ffffff00090403c");
        QFile f(dir.filePath(n));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(data) == data.size());
    }
    QDir::setCurrent(dir.path());
    {
        Harness h;
        Form1 *form = Windows::show<Form1>();
        for (const char *name : kFiles) {
            playTrack(form->MMControl1, QString::fromLatin1(name));
            renderPeak(300);
            if (kind != "truncated") QCOMPARE(form->MMControl1->isSounding(), false);
        }
        h.advance(26000); // the siren's broken file too
        renderPeak(100);
        // The game goes on: the inventory still opens.
        Mouse::click(form->Command2);
        QVERIFY(Windows::find<Form1>());
    }
    QDir::setCurrent(media);
}

namespace {
// The game as a player starts it from a terminal: this test program again, as a child that opens
// the game window and plays its tracks with a real audio output, in the given folder and
// environment. Returns what the child wrote to the standard error.
QString startedGameSays(const QString &folder, const QStringList &environment) {
    QTemporaryDir runtime;
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &pair :
         environment + QStringList{"BADMEDIA_CHILD=1", "XDG_RUNTIME_DIR=" + runtime.path()})
        env.insert(pair.section('=', 0, 0), pair.section('=', 1));
    child.setProcessEnvironment(env);
    child.setWorkingDirectory(folder);
    child.start(QCoreApplication::applicationFilePath(), {});
    if (!child.waitForFinished(60000) || child.exitCode() != 0) return "child failed";
    return QString::fromLocal8Bit(child.readAllStandardError());
}

int childGame(int argc, char **argv) {
    // The tests' offscreen screen complains about what it cannot do (raise a window); a real one does not.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &message) {
        if (!message.startsWith("This plugin does not support"))
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    QApplication app(argc, argv);
    Harness h;
    AudioEngine::setOutput(AudioEngine::Output::Device);
    Form1 *form = Windows::show<Form1>();
    for (const char *name : kFiles)
        playTrack(form->MMControl1, QString::fromLatin1(name));
    h.advance(26000); // the siren
    return 0;
}
} // namespace

void TestBadMedia::startedGameSaysWhatIsMissingOnce_data() {
    QTest::addColumn<bool>("withMedia");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("says");
    const QString noDevice = "no sound device: playing without sound\n";
    QTest::newRow("no media") << false << QStringList{"SDL_AUDIODRIVER=dummy"}
                              << "media files missing in %1 (Hudba7.mid): playing without them\n";
    // A sound card that is not there: ALSA has much to say about it, the game one line.
    QTest::newRow("no card") << true << QStringList{"SDL_AUDIODRIVER=alsa", "AUDIODEV=hw:99"} << noDevice;
    QTest::newRow("no driver") << true << QStringList{"SDL_AUDIODRIVER=none"} << noDevice;
    QTest::newRow("all there") << true << QStringList{"SDL_AUDIODRIVER=dummy"} << QString();
}

void TestBadMedia::startedGameSaysWhatIsMissingOnce() {
    QFETCH(bool, withMedia);
    QFETCH(QStringList, environment);
    QFETCH(QString, says);
    QTemporaryDir empty;
    const QString folder = withMedia ? media : empty.path();
    QCOMPARE(startedGameSays(folder, environment), says.contains("%1") ? says.arg(folder) : says);
}

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsSet("BADMEDIA_CHILD")) return childGame(argc, argv);
    QApplication app(argc, argv);
    TestBadMedia test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_badmedia.moc"
