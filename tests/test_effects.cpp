// The mixer's limiter, which keeps music plus siren a decibel below full scale, and the engine's
// playing of sound files and music beyond the game's own.
#include "support/harness.h"

#include "runtime/audioengine.h"
#include "runtime/mediachannel.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <array>
#include <cmath>

class TestEffects : public QObject {
    Q_OBJECT
  private slots:
    void limiterKeepsLoudMixesWholeAndQuietOnesUntouched();
    void musicBeyondTheGamesOwnStillFindsItsInstruments();
    void trackChangesAreClickFree();
    void soundFontIsTheBestInstalled();

  private:
    Harness h;
    QTemporaryDir dir;
};

namespace {
using Samples = std::vector<float>; // stereo, interleaved

// A sample of writeToneWav's tone as the engine reads it back.
const auto tone = [](double amplitude, int i) {
    return float(qint16(amplitude * 32767 * std::sin(i * 0.1))) / 32768.0f;
};

// Renders the next seconds of the mix, whose channels add up to expected(i) at frame i of it: the
// lowest and highest gain the mix got, and its peak.
template <class F> std::array<double, 3> gainRange(double seconds, F expected) {
    const int frames = int(seconds * AudioEngine::kRate);
    Samples out(size_t(frames) * 2);
    AudioEngine::instance().render(out.data(), frames);
    std::array<double, 3> got = {1e9, 0, 0};
    for (int i = 0; i < frames; ++i) {
        const float want = expected(i);
        got[2] = std::max(got[2], double(std::abs(out[i * 2])));
        if (out[i * 2] != out[i * 2 + 1]) return {}; // both sides are turned down alike
        if (i >= AudioEngine::kRate / 100 && std::abs(want) > 0.2)
            got[0] = std::min(got[0], double(out[i * 2] / want)),
            got[1] = std::max(got[1], double(out[i * 2] / want));
    }
    return got;
}
} // namespace

void TestEffects::limiterKeepsLoudMixesWholeAndQuietOnesUntouched() {
    writeToneWav(dir.filePath("long.wav"), 4 * AudioEngine::kRate, AudioEngine::kRate, 0.5);
    writeToneWav(dir.filePath("soft.wav"), AudioEngine::kRate / 2, AudioEngine::kRate, 0.35);
    writeToneWav(dir.filePath("loud.wav"), AudioEngine::kRate / 2, AudioEngine::kRate, 0.8);
    AudioEngine &engine = AudioEngine::instance();
    const int a = engine.createChannel(), b = engine.createChannel(), half = AudioEngine::kRate / 2;
    // Just under the ceiling together: the mix is exactly the sum.
    QVERIFY(engine.open(a, dir.filePath("long.wav")) && engine.open(b, dir.filePath("soft.wav")));
    engine.play(a), engine.play(b);
    auto got = gainRange(0.5, [](int i) { return tone(0.5, i) + tone(0.35, i); });
    QVERIFY(got[0] == 1.0 && got[1] == 1.0);
    // Far over it: turned down to the ceiling, -1 dBFS, and after the first moment by one steady gain,
    // so the waves keep their round tops.
    QVERIFY(engine.open(b, dir.filePath("loud.wav")));
    engine.play(b);
    got = gainRange(0.5, [&](int i) { return tone(0.5, half + i) + tone(0.8, i); });
    QVERIFY2(got[2] <= 0.8913 && got[2] > 0.88 && got[1] / got[0] < 1.01,
             qPrintable(QString("peak %1, gain %2 .. %3").arg(got[2]).arg(got[0]).arg(got[1])));
    // Alone again, the quiet channel comes back to its own level.
    gainRange(2.5, [](int) { return 0.0f; });
    got = gainRange(0.5, [&](int i) { return tone(0.5, 7 * half + i); });
    QVERIFY(got[0] == 1.0 && got[1] == 1.0);
    engine.destroyChannel(a);
    engine.destroyChannel(b);
}

// The synthesizer loads only the instruments the game's music selects; a piece that asks for others
// (a melody on a square lead, a beat on the 808 kit) must still be heard.
void TestEffects::musicBeyondTheGamesOwnStillFindsItsInstruments() {
    AudioEngine &engine = AudioEngine::instance();
    const int channel = engine.createChannel();
    for (const auto [channelNo, program, key] : {std::array{0, 80, 72}, std::array{9, 25, 38}}) {
        const QByteArray track = QByteArray::fromHex("00") + char(0xc0 | channelNo) + char(program) +
                                 QByteArray::fromHex("00") + char(0x90 | channelNo) + char(key) + char(100) +
                                 QByteArray::fromHex("8100") + char(0x80 | channelNo) + char(key) + char(0) +
                                 QByteArray::fromHex("00ff2f00");
        QFile f(dir.filePath(QString("%1.mid").arg(program)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromHex("4d546864000000060000000100604d54726b000000") + char(track.size()) +
                track);
        f.close();
        QVERIFY(engine.open(channel, f.fileName()));
        engine.play(channel);
        QVERIFY2(renderPeak(400) > 0.01, qPrintable(f.fileName()));
    }
    // A piece still being prepared when the player has already moved on is never heard: neither in
    // place of the sound that came after it nor after "Close".
    writeToneWav(dir.filePath("next.wav"), AudioEngine::kRate, AudioEngine::kRate, 0.3);
    renderPeak(2000); // the limiter lets go of the drums before
    for (const char *next : {"next.wav", ""}) {
        engine.open(channel, dir.filePath("80.mid"));
        engine.play(channel);
        engine.close(channel);
        if (*next && engine.open(channel, dir.filePath(next))) engine.play(channel);
        renderPeak(20); // what sounded before fades out
        const auto got = gainRange(0.4, [&](int i) { return *next ? tone(0.3, 882 + i) : 0.0f; });
        QVERIFY(*next ? got[0] == 1.0 && got[1] == 1.0 : got[2] == 0.0);
        QCOMPARE(engine.isOpen(channel), bool(*next));
    }
    engine.destroyChannel(channel);
}

// A track cut off by the next one or by "Close" fades out over its last moment while the next fades
// in: no jump in the wave that a player would hear as a click, and yet the change is immediate. The
// tracks' slow rate, a twentieth of the engine's, is decoded chunk by chunk: each track runs on
// smoothly and lasts exactly its length.
void TestEffects::trackChangesAreClickFree() {
    const int rate = AudioEngine::kRate / 20,
              length = 2 * AudioEngine::kRate; // slow waves: no clicks of their own
    for (const char *name : {"a.wav", "b.wav"})
        writeToneWav(dir.filePath(name), 2 * rate, rate, 0.4);
    AudioEngine &engine = AudioEngine::instance();
    const int channel = engine.createChannel();
    Samples out(size_t(4 * AudioEngine::kRate) * 2);
    engine.render(out.data(), 4 * AudioEngine::kRate); // the limiter lets go of the music before
    out.clear();
    auto change = [&](const char *file, int thenFrames) {
        engine.close(channel);
        if (file && engine.open(channel, dir.filePath(file))) engine.play(channel);
        out.resize(out.size() + size_t(thenFrames) * 2);
        engine.render(out.data() + out.size() - size_t(thenFrames) * 2, thenFrames);
    };
    const int mid = 10007; // a change between two device buffers, half way through a wave
    change("a.wav", mid);
    change("b.wav", length + 2000);
    change("a.wav", mid);
    change(nullptr, 2000);
    double step = 0;
    for (size_t i = 2; i < out.size(); ++i) // but where the track's own wave ends
        if (std::abs(int(i / 2) - mid - length) > 40)
            step = std::max(step, double(std::abs(out[i] - out[i - 2])));
    QVERIFY2(20 * std::log10(step) < -40, qPrintable(QString("a step of %1").arg(step)));
    // 20 ms after the change only the new track sounds, from its start, to its end; 20 ms after
    // "Close", nothing.
    for (int i = 882; i < length + 2000; ++i) {
        const float f = float(i % 20) / 20, want = tone(0.4, i / 20) * (1 - f) + tone(0.4, i / 20 + 1) * f;
        QVERIFY2(std::abs(out[size_t(mid + i) * 2] - (i < length - 20 ? want : 0)) < 1e-5 ||
                     (i >= length - 20 && i < length),
                 qPrintable(QString::number(i)));
    }
    for (int i = 882; i < 2000; ++i)
        QCOMPARE(out[size_t(2 * mid + length + 2000 + i) * 2], 0.0f);
    engine.destroyChannel(channel);
}

void TestEffects::soundFontIsTheBestInstalled() {
    QVERIFY(soundFontPreference().first().endsWith("/FluidR3_GM.sf2"));
    QVERIFY(soundFontPreference().indexOf(QRegularExpression(".*/TimGM6mb.sf2")) > 0);
    const QStringList fonts = {dir.filePath("best.sf2"), dir.filePath("good.sf2"), dir.filePath("any.sf2")};
    for (const QString &font : fonts.mid(1))
        QVERIFY(QFile(font).open(QIODevice::WriteOnly));
    QCOMPARE(findSoundFont(fonts), fonts[1]);
    QCOMPARE(findSoundFont({fonts[0]}), QString());
}

QTEST_MAIN(TestEffects)
#include "test_effects.moc"
