// The game's eleven music and sound files, each rendered once through the game's own audio engine
// and looked at by every check: each one sounds, never reaches full scale, lasts as long as the place
// that plays it expects; the pieces ring out before they end and sit at one level, so that going from
// place to place never jumps in loudness; the siren passes by below the music and the launch is heard
// from its first moment; and the generator makes them the same way every time.
#include "support/harness.h"

#include "runtime/audioengine.h"
#include "runtime/mediachannel.h"

#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <map>

namespace {

const char *const kPieces[] = {"hudba8.mid",  "Hudba7.mid",  "Hudba13.mid",
                               "Hudba10.mid", "Hudba15.mid", "Hudba2.mid"};

double dB(double amplitude) {
    return 20 * std::log10(std::max(amplitude, 1e-9));
}

// A file as the engine plays it until the channel falls silent by itself, kept as 10 ms chunks.
struct Rendered {
    struct Chunk {
        double peak = 0, squares = 0, left = 0, right = 0;
    };
    std::vector<Chunk> chunks;
    double seconds() const { return double(chunks.size()) / 100; }
    double peak(double from = 0, double to = 1e9) const {
        double p = 0;
        for (size_t i = size_t(from * 100); i < std::min(chunks.size(), size_t(to * 100)); ++i)
            p = std::max(p, chunks[i].peak);
        return p;
    }
    double rmsDb(double from = 0, double to = 1e9) const {
        double sum = 0;
        size_t n = 0;
        for (size_t i = size_t(from * 100); i < std::min(chunks.size(), size_t(to * 100)); ++i, ++n)
            sum += chunks[i].squares;
        return dB(std::sqrt(sum / double(std::max<size_t>(1, n) * 882)));
    }
    double longestGap() const { // the longest quiet stretch between two sounds, in seconds
        double quiet = 0, longest = 0;
        for (const Chunk &c : chunks) {
            if (c.peak >= 0.002) longest = std::max(longest, quiet);
            quiet = c.peak < 0.002 ? quiet + 0.01 : 0;
        }
        return longest;
    }
};

const Rendered &rendered(const QString &file) {
    static std::map<QString, Rendered> done;
    if (auto it = done.find(file); it != done.end()) return it->second;
    QObject owner;
    MediaChannel ch(&owner, "channel");
    playTrack(&ch, file);
    Rendered r;
    std::vector<float> buf(441 * 2);
    for (int i = 0; i < 100 * 400 && ch.isSounding(); ++i) {
        AudioEngine::instance().render(buf.data(), 441);
        Rendered::Chunk c;
        for (size_t k = 0; k < buf.size(); ++k) {
            c.peak = std::max(c.peak, double(std::abs(buf[k])));
            c.squares += double(buf[k]) * buf[k];
            (k % 2 ? c.right : c.left) += buf[k];
        }
        if (ch.isSounding()) r.chunks.push_back(c);
    }
    return done.emplace(file, r).first->second;
}

// The median level of the six pieces: the effects are set against it.
constexpr double kMusicRms = -18.5;

} // namespace

class TestMedia : public QObject {
    Q_OBJECT
  private slots:
    void init() { h = new Harness; }
    void cleanup() { delete h; }
    void everyFileSoundsForItsLength_data();
    void everyFileSoundsForItsLength();
    void piecesRingOutAndSitAtOneLevel();
    void sirenPassesBelowTheMusic();
    void launchIsHeardFromItsFirstMoment();
    void generatorIsReproducible();

  private:
    Harness *h = nullptr;
};

void TestMedia::everyFileSoundsForItsLength_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("minSeconds");
    QTest::addColumn<double>("maxSeconds");
    for (const char *mid : kPieces) // long enough to keep a place alive while the player looks around
        QTest::newRow(mid) << QString::fromLatin1(mid) << 150.0 << 300.0;
    QTest::newRow("launch") << "frame3start.wav" << 3.5 << 4.5; // the launch picture lasts 4 s
    QTest::newRow("arrival") << "9m18.wav" << 1.0 << 4.0;
    QTest::newRow("lost") << "uvod2.wav" << 0.5 << 2.99; // the game ends 3 s after it starts
    QTest::newRow("siren") << "police.wav" << 1.5 << 6.0;
    QTest::newRow("bar loop") << "Hudbabarvstupatd.wav" << 18.58 << 18.68; // restarted every 18 630 ms
}

void TestMedia::everyFileSoundsForItsLength() {
    QFETCH(QString, file);
    QFETCH(double, minSeconds);
    QFETCH(double, maxSeconds);
    const Rendered &r = rendered(file);
    QVERIFY2(r.peak() > 0.05, qPrintable(QString("peak %1").arg(r.peak())));
    QVERIFY2(dB(r.peak()) <= -1.0, qPrintable(QString("peak %1 dBFS").arg(dB(r.peak()))));
    QVERIFY2(r.seconds() >= minSeconds && r.seconds() <= maxSeconds,
             qPrintable(QString("%1 s").arg(r.seconds())));
    QVERIFY2(r.longestGap() < 3.0, qPrintable(QString("silent for %1 s").arg(r.longestGap())));
}

void TestMedia::piecesRingOutAndSitAtOneLevel() {
    std::vector<double> levels;
    for (const char *mid : kPieces) {
        // The player stops a piece at its last tick: whatever still sounds there is chopped off.
        const Rendered &r = rendered(mid);
        const double end = dB(r.peak(r.seconds() - 0.2));
        QVERIFY2(end < -40, qPrintable(QString("%1 still at %2 dBFS when it ends").arg(mid).arg(end)));
        levels.push_back(r.rmsDb());
    }
    auto sorted = levels;
    std::sort(sorted.begin(), sorted.end());
    const double median = (sorted[2] + sorted[3]) / 2;
    QVERIFY2(std::abs(median - kMusicRms) < 2.5, qPrintable(QString("median %1 dBFS").arg(median)));
    for (size_t k = 0; k < levels.size(); ++k)
        QVERIFY2(std::abs(levels[k] - median) <= 2.0,
                 qPrintable(QString("%1 at %2 dBFS, median %3").arg(kPieces[k]).arg(levels[k]).arg(median)));
}

// The police car comes from afar, passes close by and goes away, below the music and without a DC
// offset: the loudest moment lies in the middle and both ends are far quieter than it.
void TestMedia::sirenPassesBelowTheMusic() {
    const Rendered &s = rendered("police.wav");
    QVERIFY2(s.rmsDb() <= kMusicRms - 6 && dB(s.peak()) <= -10, qPrintable(QString::number(s.rmsDb())));
    double left = 0, right = 0;
    for (const auto &c : s.chunks)
        left += c.left, right += c.right;
    QVERIFY(std::abs(left) < 0.001 * 441 * s.chunks.size() &&
            std::abs(right) < 0.001 * 441 * s.chunks.size());
    const double length = s.seconds(), window = 0.25;
    double loudest = -200, loudestAt = 0;
    for (double t = 0; t + window <= length; t += 0.05)
        if (const double level = s.rmsDb(t, t + window); level > loudest)
            loudest = level, loudestAt = t + window / 2;
    const double first = s.rmsDb(0.1, 0.1 + window), last = s.rmsDb(length - 0.1 - window, length - 0.1);
    QVERIFY2(loudestAt > length / 3 && loudestAt < length * 2 / 3, qPrintable(QString::number(loudestAt)));
    QVERIFY2(loudest - first >= 10 && loudest - last >= 10,
             qPrintable(QString("%1 %2 %3").arg(first).arg(loudest).arg(last)));
}

void TestMedia::launchIsHeardFromItsFirstMoment() {
    const Rendered &s = rendered("frame3start.wav");
    QVERIFY(s.rmsDb(0, 0.1) > -40);
    QVERIFY(s.rmsDb(0, 0.5) > -35);
    QVERIFY(std::abs(s.rmsDb() - kMusicRms) <= 4);
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
