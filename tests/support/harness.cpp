#include "support/harness.h"

#include "game/app.h"
#include "runtime/audioengine.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QWindow>
#include <cmath>

Harness::Harness() {
    setupApplication();
    AudioEngine::setOutput(AudioEngine::Output::Offline);
    Clock::install(&clock);
    Windows::setQuitHandler([this] { ended_ = true; });
}

Harness::~Harness() {
    Drag::cancel();
    Windows::reset();
    settle();
    Windows::setQuitHandler({});
    Clock::install(nullptr);
    AudioEngine::instance().closeAll();
}

void Harness::advance(qint64 ms) {
    clock.advance(ms);
    settle();
}

void Harness::settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

namespace {
QWindow *handle(const QWidget *w) {
    QWidget *win = const_cast<QWidget *>(w->window());
    if (!win->windowHandle()) win->winId();
    return win->windowHandle();
}
} // namespace

QPoint Mouse::centreOf(const QWidget *w) {
    // The centre of the part of the widget that lies inside its window (scene pictures and frames
    // reach beyond the window's right edge).
    QRect r(w->mapTo(w->window(), QPoint(0, 0)), w->size());
    r = r.intersected(w->window()->rect());
    return r.center();
}

QWidget *Mouse::hitAt(const QWidget *window, QPoint pos) {
    return window->childAt(pos);
}

void Mouse::moveTo(QWidget *window, QPoint pos) {
    QTest::mouseMove(handle(window), pos);
}

void Mouse::move(const QWidget *w) {
    QTest::mouseMove(handle(w), centreOf(w));
}

void Mouse::clickAt(QWidget *window, QPoint pos, Qt::MouseButton button) {
    QWindow *h = handle(window);
    QTest::mouseMove(h, pos);
    QTest::mousePress(h, button, Qt::NoModifier, pos);
    QTest::mouseRelease(h, button, Qt::NoModifier, pos);
    Harness::settle();
}

void Mouse::click(const QWidget *w, Qt::MouseButton button) {
    clickAt(const_cast<QWidget *>(w->window()), centreOf(w), button);
}

void Mouse::press(const QWidget *w, Qt::MouseButton button) {
    QWindow *h = handle(w);
    QTest::mouseMove(h, centreOf(w));
    QTest::mousePress(h, button, Qt::NoModifier, centreOf(w));
}

void Mouse::dragTo(const QWidget *item, QWidget *window, QPoint pos) {
    QWindow *h = handle(item);
    const QPoint from = centreOf(item);
    QTest::mouseMove(h, from);
    QTest::mousePress(h, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(h, (from + pos) / 2);
    QTest::mouseMove(h, pos);
    QTest::mouseRelease(h, Qt::LeftButton, Qt::NoModifier, pos);
    Q_UNUSED(window);
    Harness::settle();
}

void Mouse::drag(const QWidget *item, const QWidget *target) {
    dragTo(item, const_cast<QWidget *>(target->window()), centreOf(target));
}

void writeToneWav(const QString &path, int frames, int rate, double amplitude) {
    QByteArray d;
    auto u32 = [&](quint32 v) { d.append(reinterpret_cast<const char *>(&v), 4); };
    auto u16 = [&](quint16 v) { d.append(reinterpret_cast<const char *>(&v), 2); };
    d.append("RIFF");
    u32(36 + frames * 2);
    d.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    d.append("data");
    u32(frames * 2);
    for (int i = 0; i < frames; ++i)
        u16(quint16(qint16(amplitude * 32767 * std::sin(i * 0.1))));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(d);
}

float renderPeak(int ms) {
    const int frames = AudioEngine::kRate * ms / 1000;
    std::vector<float> buf(size_t(frames) * 2);
    AudioEngine::instance().render(buf.data(), frames);
    float peak = 0;
    for (float v : buf)
        peak = std::max(peak, std::abs(v));
    return peak;
}

void useOwnHome() {
    static QTemporaryDir home;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath("data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
}
