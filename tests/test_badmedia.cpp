// Broken media never stops the game: every file of the game missing, empty, cut short, full of
// random bytes, of the other kind, or with a header that claims far more than is there.
#include "support/harness.h"

#include "game/form1.h"
#include "runtime/audioengine.h"
#include "runtime/mediachannel.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {
const char *const kFiles[] = {"Hudba7.mid",           "hudba8.mid", "Hudba13.mid",     "Hudba10.mid",
                              "Hudba15.mid",          "Hudba2.mid", "frame3start.wav", "9m18.wav",
                              "Hudbabarvstupatd.wav", "uvod2.wav",  "police.wav"};

QByteArray original(const QString &name) {
    QFile f(QDir(QString::fromLocal8Bit(qgetenv("ZUR_MEDIA_DIR"))).filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray le32(quint32 v) {
    return QByteArray(reinterpret_cast<const char *>(&v), 4);
}

// A WAV whose header claims 2 GiB of 8-channel audio but holds a few bytes.
QByteArray hugeWav() {
    QByteArray d = "RIFF" + le32(0xFFFFFFF0u) + "WAVEfmt " + le32(16);
    d += QByteArray::fromHex("01000800") + le32(48000) + le32(48000 * 16) + QByteArray::fromHex("10001000");
    d += "data" + le32(0xFFFFFF00u) + QByteArray(64, '\x11');
    return d;
}

// A MIDI file that claims thousands of tracks and a track far longer than the file.
QByteArray hugeMidi() {
    QByteArray d = "MThd" + QByteArray::fromHex("00000006"
                                                "0001"
                                                "ffff"
                                                "01e0");
    d += "MTrk" + QByteArray::fromHex("7ffffff0") + QByteArray::fromHex("0090403c");
    return d;
}
} // namespace

class TestBadMedia : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        // The generated media lie in the working directory the tests start in.
        qputenv("ZUR_MEDIA_DIR", QDir::currentPath().toLocal8Bit());
    }
    void brokenFilesAreSilentAndTheGameGoesOn_data();
    void brokenFilesAreSilentAndTheGameGoesOn();
};

void TestBadMedia::brokenFilesAreSilentAndTheGameGoesOn_data() {
    QTest::addColumn<QString>("kind");
    for (const char *k : {"missing", "empty", "truncated", "random", "otherkind", "hugeheader"})
        QTest::newRow(k) << QString::fromLatin1(k);
}

void TestBadMedia::brokenFilesAreSilentAndTheGameGoesOn() {
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QRandomGenerator rng(1234);
    for (const char *name : kFiles) {
        const QString n = QString::fromLatin1(name);
        const bool midi = n.endsWith(".mid");
        QByteArray data;
        if (kind == "missing") continue;
        if (kind == "truncated") data = original(n).left(original(n).size() / 3);
        if (kind == "random") {
            data.resize(5000 + rng.bounded(20000));
            for (char &c : data)
                c = char(rng.bounded(256));
            if (midi) data.replace(0, 4, "MThd"); // random, yet past the first check
        }
        if (kind == "otherkind") data = original(midi ? "police.wav" : "Hudba7.mid");
        if (kind == "hugeheader") data = midi ? hugeMidi() : hugeWav();
        QFile f(dir.filePath(n));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    const QString back = QDir::currentPath();
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
    QDir::setCurrent(back);
}

QTEST_MAIN(TestBadMedia)
#include "test_badmedia.moc"
