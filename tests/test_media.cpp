// The game's eleven music and sound files, each rendered once through the game's own audio engine
// and looked at by every check: each one sounds, never reaches full scale, lasts as long as the place
// that plays it expects; the pieces ring out before they end and sit at one level, so that going from
// place to place never jumps in loudness; the siren passes by below the music and the launch is heard
// from its first moment; read back as MIDI, the pieces' bass fits their harmony and every instrument
// stays in its range, and the melody stands in front of its accompaniment; and the bar's loop restarts
// sample-exact.
#include "support/harness.h"

#include "runtime/audioengine.h"
#include "runtime/mediachannel.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <set>

namespace {

const char *const kPieces[] = {"hudba8.mid",  "Hudba7.mid",  "Hudba13.mid",
                               "Hudba10.mid", "Hudba15.mid", "Hudba2.mid"};

const auto dB = [](double amplitude) { return 20 * std::log10(std::max(amplitude, 1e-9)); };

// A file as the engine plays it until the channel falls silent by itself, kept as 10 ms chunks.
struct Rendered {
    std::vector<double> peaks, squares, heard; // heard: squares as loud as the ear hears them (BS.1770)
    double offset = 0, gap = 0, quiet = 0;     // the mean of all samples, the longest quiet stretch in s
    double z[2][2][2] = {};                    // the ear's filters: channel, stage, state
    // The ear's weighting (BS.1770 at 44.1 kHz): a shelf up above 1.5 kHz, then a high-pass at 38 Hz.
    void add(const std::vector<float> &buf) {
        static const double k[2][5] = {{1.53084123, -2.65097999, 1.16907908, -1.66365511, 0.71259543},
                                       {1, -2, 1, -1.98916967, 0.98919904}};
        double peak = 0, sum = 0, heardSum = 0;
        for (size_t i = 0; i < buf.size(); ++i) {
            double v = buf[i];
            peak = std::max(peak, std::abs(v)), sum += v * v, offset += v;
            for (int s = 0; s < 2; ++s) {
                double *w = z[i % 2][s], y = k[s][0] * v + w[0];
                w[0] = k[s][1] * v - k[s][3] * y + w[1], w[1] = k[s][2] * v - k[s][4] * y, v = y;
            }
            heardSum += v * v;
        }
        peaks.push_back(peak), squares.push_back(sum), heard.push_back(heardSum);
        gap = std::max(gap, peak < 0.002 ? 0.0 : quiet), quiet = peak < 0.002 ? quiet + 0.01 : 0;
    }
    // The loudness (LUFS) of chunks' powers in 400 ms blocks, gated at -70 LUFS, then 10 LU under the rest.
    static double lufs(const std::vector<double> &power) {
        double gate = 1.17e-7, mean = 0;
        for (int pass = 0; pass < 2; ++pass, gate = mean / 10) {
            double sum = 0, n = 0;
            for (size_t b = 0; b + 40 <= power.size(); b += 40)
                if (const double p = std::accumulate(&power[b], &power[b] + 40, 0.0) / 17640; p > gate)
                    sum += p, ++n;
            mean = sum / std::max(n, 1.0);
        }
        return -0.691 + 10 * std::log10(std::max(mean, 1e-20));
    }
    double seconds() const { return double(peaks.size()) / 100; }
    double peak(double from = 0) const {
        return *std::max_element(peaks.begin() + qsizetype(from * 100), peaks.end());
    }
    double rmsDb(double from = 0, double to = 1e9) const {
        double sum = 0, n = 0;
        for (size_t i = size_t(from * 100); i < std::min(peaks.size(), size_t(to * 100)); ++i, ++n)
            sum += squares[i];
        return dB(std::sqrt(sum / std::max(1.0, n * 882)));
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
        if (ch.isSounding()) r.add(buf);
    }
    r.offset /= double(std::max<size_t>(1, r.peaks.size()) * 882);
    return done.emplace(file, r).first->second;
}

// ------------------------------------------------------------------------------ reading MIDI

struct MidiNote {
    int track, channel, tick, duration, key;
};

struct Midi {
    int beatTicks = 0;
    std::vector<MidiNote> notes;
    std::vector<std::pair<int, QByteArray>> markers;
    std::map<int, int> tempos = {{0, 500000}}; // tick -> microseconds per beat
    int programs[16] = {};
    QByteArray tune; // the file with only its tracks marked "melody" still sounding
};

Midi readMidi(const QString &path) {
    QFile f(path);
    const QByteArray b = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    auto byte = [&](qsizetype i) { return i < b.size() ? int(uchar(b[i])) : 0; };
    auto varLen = [&](qsizetype &i) {
        int v = 0;
        for (int c = 0x80; c & 0x80; v = v << 7 | (c & 0x7f))
            c = byte(i++);
        return v;
    };
    Midi m;
    m.tune = b;
    if (b.size() < 14) return {};
    const int tracks = qFromBigEndian<quint16>(b.constData() + 10);
    m.beatTicks = qFromBigEndian<quint16>(b.constData() + 12);
    qsizetype i = 14;
    for (int t = 0; t < tracks && i + 8 <= b.size(); ++t) {
        const qsizetype end = i + 8 + qFromBigEndian<quint32>(b.constData() + i + 4);
        i += 8;
        int tick = 0, status = 0;
        bool melody = false;
        std::map<std::pair<int, int>, int> on; // (channel, key) -> tick
        while (i < end) {
            tick += varLen(i);
            if (byte(i) == 0xff) {
                const int type = byte(i + 1);
                i += 2;
                const int len = varLen(i);
                if (type == 0x06) m.markers.push_back({tick, b.mid(i, len)});
                if (type == 0x51) m.tempos[tick] = byte(i) << 16 | byte(i + 1) << 8 | byte(i + 2);
                melody = melody || (type == 0x01 && b.mid(i, len) == "melody");
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
                if (!melody) m.tune[i - 1] = 0;
            } else if (kind == 0x80 || kind == 0x90) {
                auto it = on.find({channel, key});
                if (it == on.end()) continue;
                m.notes.push_back({t, channel, it->second, tick - it->second, key});
                on.erase(it);
            }
        }
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
        if (i < s.size() && (s[i] == '#' || s[i] == 'b')) pc += s[i++] == '#' ? 1 : -1;
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
    if (int j = int(slash) + 1; slash >= 0) keys.insert(pitch(symbol, j));
    return keys;
}

} // namespace

class TestMedia : public QObject {
    Q_OBJECT
  private slots:
    void everyFileSoundsRight_data();
    void everyFileSoundsRight();
    void sirenPassesBy();
    void piecesSoundLikeABand_data();
    void piecesSoundLikeABand();
    void barLoopRestartsSampleExact();

  private:
    Harness h;
};

void TestMedia::everyFileSoundsRight_data() {
    // Its length, its loudness (dBFS of its whole), its peak, its last 200 ms (the player stops a piece
    // at its last tick: whatever still sounds there is chopped off) and its first 100 ms.
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<double>>("limits"); // seconds min/max, rms min/max, peak, end, start
    // The pieces last long enough to keep a place alive, all at one level; the siren sounds below them.
    for (const char *mid : kPieces)
        QTest::newRow(mid) << QString(mid) << QList<double>{150, 300, -21, -17, -1, -40, -40};
    QTest::newRow("launch") << "frame3start.wav" << QList<double>{3.5, 4.5, -22.5, -14.5, -1, 0, -40};
    QTest::newRow("bar") << "Hudbabarvstupatd.wav" << QList<double>{18.63, 20, -22.5, -14.5, -1, 0, -200};
    QTest::newRow("arrival") << "9m18.wav" << QList<double>{1, 4, -22.5, -14.5, -1, 0, -200};
    QTest::newRow("lost") << "uvod2.wav" << QList<double>{0.5, 2.99, -22.5, -14.5, -1, 0, -200};
    QTest::newRow("siren") << "police.wav" << QList<double>{1.5, 6, -100, -24.5, -10, 0, -200};
}

void TestMedia::everyFileSoundsRight() {
    QFETCH(QString, file);
    QFETCH(QList<double>, limits);
    const Rendered &r = rendered(file);
    const QList<double> got = {r.seconds(), r.rmsDb(), dB(r.peak()), dB(r.peak(r.seconds() - 0.2)),
                               r.rmsDb(0, 0.1)};
    QStringList says; // seconds, dBFS, peak, end, start
    for (double g : got)
        says << QString::number(g);
    QVERIFY2(got[0] >= limits[0] && got[0] <= limits[1] && got[1] >= limits[2] && got[1] <= limits[3] &&
                 got[2] <= limits[4] && got[3] < limits[5] && got[4] > limits[6],
             qPrintable(says.join(", ")));
    QVERIFY2(r.gap < 3.0, qPrintable(QString("silent for %1 s").arg(r.gap)));
    QVERIFY2(std::abs(r.offset) < 0.001, qPrintable(QString("DC offset %1").arg(r.offset)));
}

// The police car comes from afar, passes close by and goes away: the loudest moment lies in the
// middle and both ends are far quieter than it.
void TestMedia::sirenPassesBy() {
    const Rendered &s = rendered("police.wav");
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

void TestMedia::piecesSoundLikeABand_data() {
    QTest::addColumn<QString>("mid");
    for (const char *mid : kPieces)
        QTest::newRow(mid) << QString(mid);
}

void TestMedia::piecesSoundLikeABand() {
    QFETCH(QString, mid);
    const Midi m = readMidi(mid);
    QVERIFY(!m.markers.empty());
    QStringList wrong;
    // Where each General MIDI instrument of the music can be played (lowest and highest key): a
    // tenor sax squealing above E5 or timpani below D2 sound like no band a player knows.
    static const std::map<int, std::pair<int, int>> ranges = {
        {0, {21, 108}}, {6, {29, 89}},   {11, {53, 89}}, {13, {65, 108}}, {21, {41, 93}}, {22, {60, 96}},
        {24, {40, 86}}, {32, {28, 67}},  {33, {28, 67}}, {40, {55, 103}}, {42, {36, 81}}, {43, {28, 67}},
        {45, {28, 96}}, {46, {24, 103}}, {47, {38, 60}}, {48, {28, 103}}, {52, {40, 84}}, {56, {54, 86}},
        {58, {28, 65}}, {60, {34, 77}},  {61, {36, 84}}, {66, {44, 76}},  {68, {58, 91}}, {70, {34, 75}},
        {71, {50, 94}}, {73, {60, 96}},  {74, {60, 98}}, {75, {60, 96}},  {79, {60, 93}}, {94, {24, 108}},
        {108, {48, 96}}};
    std::map<int, std::vector<int>> keysByTrack;
    for (const MidiNote &n : m.notes) {
        auto it = ranges.find(m.programs[n.channel]);
        if (n.channel != 9 && (it == ranges.end() || n.key < it->second.first || n.key > it->second.second))
            wrong << QString("key %1 on program %2").arg(n.key).arg(m.programs[n.channel]);
        if (n.channel != 9) keysByTrack[n.track].push_back(n.key);
    }
    // A low note outside the chord it sounds with is a passing note: it lasts a beat at most and steps
    // into a note of the chord that follows. If it rubs against its chord (a half step, or a half step
    // and octaves) it is a quick lead-in: gone within a beat and half a second (a march's or a walking
    // bass's quarter note; in a slow piece the ear hears it as a wrong note), and heading somewhere,
    // not off the bass and back under one chord (D-Eb-D under D). The bass parts are those that lie
    // low: bass, tuba, cellos, timpani.
    std::set<int> low;
    for (auto &[track, keys] : keysByTrack) {
        std::nth_element(keys.begin(), keys.begin() + keys.size() / 2, keys.end());
        if (keys[keys.size() / 2] < 48) low.insert(track);
    }
    QVERIFY(!low.empty());
    QStringList clashes;
    auto chordsDuring = [&](int from, int to) {
        std::vector<QByteArray> names = {"N.C."};
        for (const auto &[at, marker] : m.markers)
            if (at <= from)
                names = {marker};
            else if (at < to)
                names.push_back(marker);
        return names;
    };
    auto chordAt = [&](int tick) { return chordsDuring(tick, tick + 1).back(); };
    auto fits = [&](const MidiNote &n, int to) {
        for (const QByteArray &chord : chordsDuring(n.tick, to))
            if (!chordKeys(chord).count(n.key % 12)) return false;
        return true;
    };
    auto seconds = [&](int tick) { // through every change of tempo before it
        double s = 0;
        for (auto it = m.tempos.begin(); it != m.tempos.end() && it->first < tick; ++it)
            s += (std::min(tick, std::next(it) == m.tempos.end() ? tick : std::next(it)->first) - it->first) *
                 double(it->second) / m.beatTicks / 1e6;
        return s;
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
            bool steps = false, back = false, rubs = false;
            for (const QByteArray &chord : chordsDuring(n.tick, n.tick + n.duration))
                for (int key : chordKeys(chord))
                    rubs = rubs || (n.key - key + 1) % 12 == 0 || (n.key - key + 11) % 12 == 0;
            for (size_t j = next; j < line.size() && line[j].tick == line[next].tick; ++j) {
                steps = steps || (std::abs(line[j].key - n.key) <= 2 && fits(line[j], line[j].tick + 1));
                back = back ||
                       (k > 0 && line[j].key == line[k - 1].key && chordAt(line[j].tick) == chordAt(n.tick));
            }
            const double at = seconds(n.tick);
            const bool quick = n.duration < m.beatTicks && seconds(n.tick + n.duration) - at < 0.5;
            if (!steps || n.duration > m.beatTicks || (rubs && (!quick || back)))
                clashes << QString("%1 s key %2 under %3").arg(at, 0, 'f', 1).arg(n.key).arg(chordAt(n.tick));
        }
    }
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(", ")));
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(", ")));
    // The tune stands 3 to 6 dB (LU) in front of its accompaniment: the piece played with its melody
    // alone, against the whole piece less the melody.
    const auto source = loadMidi(m.tune);
    QVERIFY(source);
    Rendered alone;
    std::vector<float> buf(882);
    while (std::fill(buf.begin(), buf.end(), 0.f), source->mixInto(buf.data(), 441) == 441)
        alone.add(buf);
    std::vector<double> others = rendered(mid).heard;
    for (size_t i = 0; i < std::min(others.size(), alone.heard.size()); ++i)
        others[i] = std::max(0.0, others[i] - alone.heard[i]);
    const double front = Rendered::lufs(alone.heard) - Rendered::lufs(others);
    QVERIFY2(front >= 3 && front <= 6, qPrintable(QString("the melody %1 dB in front").arg(front)));
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
    for (int frames : {loop - 1500, loop + 3000, head}) { // the timer early, then late
        playTrack(&ch, "Hudbabarvstupatd.wav");
        AudioEngine::instance().render(out.data() + at * 2, frames);
        at += size_t(frames);
    }
    for (int k = 1; k <= 2; ++k)
        for (int i = AudioEngine::kFadeIn; i < head; ++i)
            QVERIFY2(out[size_t(k * loop + i) * 2] == out[size_t(i) * 2],
                     qPrintable(QString("%1.%2").arg(k).arg(i)));
}

QTEST_MAIN(TestMedia)
#include "test_media.moc"
