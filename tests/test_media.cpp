// The game's eleven music and sound files, each rendered once through the game's own audio engine
// and looked at by every check: each one sounds, never reaches full scale, lasts as long as the place
// that plays it expects; the pieces ring out before they end and sit at one level, so that going from
// place to place never jumps in loudness; the siren passes by below the music and the launch is heard
// from its first moment; read back as MIDI, the pieces' bass fits their harmony and every instrument
// stays in its range; the bar's loop restarts sample-exact; and the generator makes them the same way
// every time.
#include "support/harness.h"

#include "runtime/audioengine.h"
#include "runtime/mediachannel.h"

#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <map>
#include <set>

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
// ------------------------------------------------------------------------------ reading MIDI

struct MidiNote {
    int track, channel, tick, duration, key;
    auto operator<=>(const MidiNote &) const = default;
};

struct Midi {
    int beatTicks = 0, barTicks = 0, endTick = 0;
    std::vector<MidiNote> notes;
    std::vector<std::pair<int, QByteArray>> markers;
    int programs[16] = {};
};

Midi readMidi(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray b = f.readAll();
    auto byte = [&](qsizetype i) { return i < b.size() ? int(uchar(b[i])) : 0; };
    auto number = [&](qsizetype i, int n) {
        int v = 0;
        for (int k = 0; k < n; ++k)
            v = v << 8 | byte(i + k);
        return v;
    };
    auto varLen = [&](qsizetype &i) {
        int v = 0;
        for (int c = 0x80; c & 0x80; v = v << 7 | (c & 0x7f))
            c = byte(i++);
        return v;
    };
    Midi m;
    const int tracks = number(10, 2), perQuarter = number(12, 2);
    m.beatTicks = perQuarter;
    m.barTicks = 4 * perQuarter;
    qsizetype i = 14;
    for (int t = 0; t < tracks && i + 8 <= b.size(); ++t) {
        const qsizetype end = i + 8 + number(i + 4, 4);
        i += 8;
        int tick = 0, status = 0;
        std::map<std::pair<int, int>, int> on; // (channel, key) -> tick
        while (i < end) {
            tick += varLen(i);
            if (byte(i) == 0xff) {
                const int type = byte(i + 1);
                i += 2;
                const int len = varLen(i);
                if (type == 0x58) m.barTicks = byte(i) * perQuarter * 4 >> byte(i + 1);
                if (type == 0x06) m.markers.push_back({tick, b.mid(i, len)});
                i += len;
                continue;
            }
            if (byte(i) & 0x80) status = byte(i++);
            const int kind = status & 0xf0, channel = status & 0x0f;
            const int key = byte(i), velocity = byte(i + 1);
            if (kind == 0xc0) m.programs[channel] = key;
            i += kind == 0xc0 || kind == 0xd0 ? 1 : 2;
            if (kind == 0x90 && velocity > 0) {
                on[{channel, key}] = tick;
            } else if (kind == 0x80 || kind == 0x90) {
                auto it = on.find({channel, key});
                if (it == on.end()) continue;
                m.notes.push_back({t, channel, it->second, tick - it->second, key});
                on.erase(it);
            }
        }
        m.endTick = std::max(m.endTick, tick);
        i = end;
    }
    std::sort(m.notes.begin(), m.notes.end(), [](const MidiNote &a, const MidiNote &b) {
        return std::tie(a.tick, a.key) < std::tie(b.tick, b.key);
    });
    return m;
}

// The keys of a chord symbol such as "Bb7", "F#m7b5" or "C/E", as a set of pitch classes.
std::set<int> chordKeys(const QByteArray &symbol) {
    static const std::map<QByteArray, std::vector<int>> qualities = {
        {"", {0, 4, 7}},           {"m", {0, 3, 7}},         {"7", {0, 4, 7, 10}},
        {"m7", {0, 3, 7, 10}},     {"maj7", {0, 4, 7, 11}},  {"m7b5", {0, 3, 6, 10}},
        {"dim", {0, 3, 6}},        {"dim7", {0, 3, 6, 9}},   {"6", {0, 4, 7, 9}},
        {"m6", {0, 3, 7, 9}},      {"sus4", {0, 5, 7}},      {"9", {0, 2, 4, 7, 10}},
        {"7b9", {0, 1, 4, 7, 10}}, {"aug", {0, 4, 8}},       {"5", {0, 7}},
        {"add9", {0, 2, 4, 7}},    {"m9", {0, 2, 3, 7, 10}}, {"7sus4", {0, 5, 7, 10}},
        {"maj9", {0, 2, 4, 7, 11}}};
    auto pitch = [](const QByteArray &s, int &i) {
        static const int letters[] = {9, 11, 0, 2, 4, 5, 7};
        int pc = letters[s[i++] - 'A'];
        if (i < s.size() && s[i] == '#')
            ++pc, ++i;
        else if (i < s.size() && s[i] == 'b')
            --pc, ++i;
        return (pc + 12) % 12;
    };
    if (symbol.isEmpty() || symbol[0] < 'A' || symbol[0] > 'G') return {};
    int i = 0;
    const int root = pitch(symbol, i);
    const qsizetype slash = symbol.indexOf('/', i);
    const QByteArray quality = symbol.mid(i, slash < 0 ? -1 : slash - i);
    auto it = qualities.find(quality);
    if (it == qualities.end()) return {};
    std::set<int> keys;
    for (int t : it->second)
        keys.insert((root + t) % 12);
    if (slash >= 0) {
        int j = int(slash) + 1;
        keys.insert(pitch(symbol, j));
    }
    return keys;
}

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
    void bassFitsTheHarmony();
    void instrumentsPlayInTheirRange();
    void barLoopRestartsSampleExact();
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

void TestMedia::bassFitsTheHarmony() {
    // Every low note held for a beat or more belongs to each chord that sounds while it sounds. Any
    // other note outside its chord passes quickly, steps into a note of the chord that follows, and
    // rubs (a half step, or a half step and octaves) against no tone of the chord it sounds with.
    QStringList wrong;
    for (const char *mid : kPieces) {
        const Midi m = readMidi(mid);
        QVERIFY2(!m.markers.empty(), mid);
        // The bass parts are those that lie low: bass, tuba, cellos, timpani.
        std::map<int, std::vector<int>> keysByTrack;
        for (const MidiNote &n : m.notes)
            if (n.channel != 9) keysByTrack[n.track].push_back(n.key);
        std::set<int> low;
        for (auto &[track, keys] : keysByTrack) {
            std::nth_element(keys.begin(), keys.begin() + keys.size() / 2, keys.end());
            if (keys[keys.size() / 2] < 48) low.insert(track);
        }
        QVERIFY2(!low.empty(), mid);
        auto chordsDuring = [&](int from, int to) {
            std::vector<QByteArray> names = {"N.C."};
            for (const auto &[at, marker] : m.markers)
                if (at <= from)
                    names = {marker};
                else if (at < to)
                    names.push_back(marker);
            return names;
        };
        auto fits = [&](const MidiNote &n, int to) {
            for (const QByteArray &chord : chordsDuring(n.tick, to))
                if (!chordKeys(chord).count(n.key % 12)) return false;
            return true;
        };
        for (int track : low) {
            std::vector<MidiNote> line;
            for (const MidiNote &n : m.notes)
                if (n.track == track) line.push_back(n);
            for (size_t k = 0; k < line.size(); ++k) {
                const MidiNote &n = line[k];
                if (fits(n, n.tick + n.duration)) continue;
                size_t next = k + 1;
                while (next < line.size() && line[next].tick == n.tick)
                    ++next;
                bool steps = false;
                for (size_t j = next; j < line.size() && line[j].tick == line[next].tick; ++j)
                    steps = steps || (std::abs(line[j].key - n.key) <= 2 && fits(line[j], line[j].tick + 1));
                bool rubs = false;
                for (int key : chordKeys(chordsDuring(n.tick, n.tick + 1).back()))
                    rubs = rubs || std::abs((n.key - key) % 12) == 1 || std::abs((n.key - key) % 12) == 11;
                if (n.duration >= m.beatTicks || !steps || rubs)
                    wrong << QString("%1 bar %2 key %3 under %4")
                                 .arg(mid)
                                 .arg(n.tick / m.barTicks + 1)
                                 .arg(n.key)
                                 .arg(chordsDuring(n.tick, n.tick + 1).back());
            }
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(", ")));
}

void TestMedia::instrumentsPlayInTheirRange() {
    // Where each General MIDI instrument of the music can be played (lowest and highest key): a
    // tenor sax squealing above E5 or timpani below D2 sound like no band a player knows.
    static const std::map<int, std::pair<int, int>> ranges = {
        {0, {21, 108}}, {6, {29, 89}},   {11, {53, 89}}, {13, {65, 108}}, {21, {41, 93}}, {22, {60, 96}},
        {24, {40, 86}}, {32, {28, 67}},  {33, {28, 67}}, {40, {55, 103}}, {42, {36, 81}}, {43, {28, 67}},
        {45, {28, 96}}, {46, {24, 103}}, {47, {38, 60}}, {48, {28, 103}}, {52, {40, 84}}, {56, {54, 86}},
        {58, {28, 65}}, {60, {34, 77}},  {61, {36, 84}}, {66, {44, 76}},  {68, {58, 91}}, {70, {34, 75}},
        {71, {50, 94}}, {73, {60, 96}},  {74, {60, 98}}, {75, {60, 96}},  {79, {60, 93}}, {94, {24, 108}},
        {108, {48, 96}}};
    QStringList wrong;
    for (const char *mid : kPieces) {
        const Midi m = readMidi(mid);
        std::map<int, int> outside;
        for (const MidiNote &n : m.notes) {
            auto it = ranges.find(m.programs[n.channel]);
            if (n.channel != 9 &&
                (it == ranges.end() || n.key < it->second.first || n.key > it->second.second))
                ++outside[m.programs[n.channel]];
        }
        for (auto [program, count] : outside)
            wrong << QString("%1: %2 notes of program %3").arg(mid).arg(count).arg(program);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(", ")));
}

void TestMedia::barLoopRestartsSampleExact() {
    // The bar plays its loop again every 18630 ms by a timer, which runs a little early or late
    // against the sound device: either way the loop goes on from its first frame right after its
    // last, as if it had never stopped.
    QObject owner;
    MediaChannel ch(&owner, "channel");
    const int loop = 821583, head = 2000; // 18.63 s
    std::vector<float> out(size_t(3 * loop) * 2);
    size_t at = 0;
    auto run = [&](int frames) {
        AudioEngine::instance().render(out.data() + at * 2, frames);
        at += size_t(frames);
    };
    playTrack(&ch, "Hudbabarvstupatd.wav");
    run(loop - 1500);
    playTrack(&ch, "Hudbabarvstupatd.wav"); // early
    run(loop + 3000);
    playTrack(&ch, "Hudbabarvstupatd.wav"); // late
    run(head);
    for (int k = 1; k <= 2; ++k)
        for (int i = AudioEngine::kFadeIn; i < head; ++i)
            QVERIFY2(out[size_t(k * loop + i) * 2] == out[size_t(i) * 2],
                     qPrintable(QString("%1.%2").arg(k).arg(i)));
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
