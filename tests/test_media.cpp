// The game's eleven music and sound files, rendered through the game's own audio engine: each one
// sounds, lasts as long as the place that plays it expects, and the generator makes them the same
// way every time.
#include "support/harness.h"

#include "runtime/audioengine.h"
#include "runtime/mediachannel.h"

#include <QProcess>
#include <QTemporaryDir>
#include <cmath>

namespace {
struct Rendered {
    double seconds = 0;    // until the channel fell silent by itself
    double longestGap = 0; // the longest quiet stretch before the end, in seconds
    double peak = 0;
};

Rendered renderToEnd(const QString &file) {
    QObject owner;
    MediaChannel ch(&owner, "channel");
    playTrack(&ch, file);
    Rendered r;
    const int chunk = 2205; // 50 ms
    std::vector<float> buf(chunk * 2);
    double quiet = 0;
    for (int i = 0; i < 20 * 60 * 3 && ch.isSounding(); ++i) {
        AudioEngine::instance().render(buf.data(), chunk);
        double peak = 0;
        for (float v : buf)
            peak = std::max(peak, double(std::abs(v)));
        r.peak = std::max(r.peak, peak);
        quiet = peak < 0.002 ? quiet + 0.05 : 0;
        r.longestGap = std::max(r.longestGap, quiet);
        if (ch.isSounding()) r.seconds += 0.05;
    }
    return r;
}
} // namespace

class TestMedia : public QObject {
    Q_OBJECT
  private slots:
    void everyFileSoundsForItsLength_data();
    void everyFileSoundsForItsLength();
    void barLoopLastsItsRestartInterval();
    void generatorIsReproducible();
};

void TestMedia::everyFileSoundsForItsLength_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("minSeconds");
    QTest::addColumn<double>("maxSeconds");
    for (const char *mid :
         {"Hudba7.mid", "hudba8.mid", "Hudba13.mid", "Hudba10.mid", "Hudba15.mid", "Hudba2.mid"})
        QTest::newRow(mid) << QString::fromLatin1(mid) << 40.0 << 120.0;
    QTest::newRow("launch") << "frame3start.wav" << 3.5 << 4.5; // the launch picture lasts 4 s
    QTest::newRow("arrival") << "9m18.wav" << 1.0 << 4.0;
    QTest::newRow("lost") << "uvod2.wav" << 0.5 << 2.99; // the game ends 3 s after it starts
    QTest::newRow("siren") << "police.wav" << 1.5 << 6.0;
}

void TestMedia::everyFileSoundsForItsLength() {
    QFETCH(QString, file);
    QFETCH(double, minSeconds);
    QFETCH(double, maxSeconds);
    Harness h;
    const Rendered r = renderToEnd(file);
    QVERIFY2(r.peak > 0.05, qPrintable(QString("peak %1").arg(r.peak)));
    QVERIFY2(r.peak < 1.0, "clipped");
    QVERIFY2(r.seconds >= minSeconds && r.seconds <= maxSeconds, qPrintable(QString("%1 s").arg(r.seconds)));
    QVERIFY2(r.longestGap < 3.0, qPrintable(QString("silent for %1 s").arg(r.longestGap)));
}

void TestMedia::barLoopLastsItsRestartInterval() {
    Harness h;
    const Rendered r = renderToEnd("Hudbabarvstupatd.wav");
    QVERIFY2(std::abs(r.seconds - 18.63) <= 0.05, qPrintable(QString("%1 s").arg(r.seconds)));
}

void TestMedia::generatorIsReproducible() {
    QTemporaryDir a, b;
    QCOMPARE(QProcess::execute(MEDIAGEN, {a.path()}), 0);
    QCOMPARE(QProcess::execute(MEDIAGEN, {b.path()}), 0);
    const QStringList files = QDir(a.path()).entryList(QDir::Files);
    QCOMPARE(files.size(), 11);
    for (const QString &f : files) {
        QFile fa(a.filePath(f)), fb(b.filePath(f));
        QVERIFY(fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly));
        QVERIFY2(fa.readAll() == fb.readAll(), qPrintable(f));
    }
}

QTEST_MAIN(TestMedia)
#include "test_media.moc"
