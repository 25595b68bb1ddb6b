// Measures what the game promises about its own weight, in a real window system (run it under
// xvfb-run with scripts/bench.sh):
//   bench startup  milliseconds from the process's start (BENCH_T0_NS, CLOCK_MONOTONIC, set by the
//                  script just before it starts us) to the first window on screen, the game started
//                  exactly as the real program starts it;
//   bench bare     the same for a bare Qt widgets window, the yardstick the game's start is held to;
//   bench game     the game window open with its music playing: resident memory, and the CPU used
//                  over ten idle seconds;
//   bench mix      the audio engine alone with music and the siren on two channels: the share of one
//                  core it needs on average and in its most expensive 50 ms;
//   bench start    each piece of music started on a channel: the time its Open and Play take, the
//                  time the first 10 ms of sound take to mix, and how far into the sound the first
//                  audible sample lies;
//   bench change   every track change of the game's music mixed, 20 s into the old piece and half
//                  way through a device buffer: the largest step from one sample to the next around
//                  the change, against the largest in the old piece's last second and the jump a
//                  plain cut would make.
//   bench play     plays with real mouse events from the crash site into the police station, says
//                  so, and plays on until it is killed (the script kills it with SIGKILL);
//   bench continue presses "Pokračovat" in the main menu: the time until the game window is on the
//                  screen, what the game window shows, the time a save takes on the UI thread and
//                  the size of the file; then closes the game window by its close box and looks
//                  whether the menu offers "Pokračovat" again;
//   bench wrongdoor continues, stands in the bar's corridor and opens a wrong door, and plays on
//                  until it is killed.
#include "game/app.h"
#include "game/form1.h"
#include "game/inventory.h"
#include "game/savegame.h"
#include "runtime/audioengine.h"
#include "runtime/mediachannel.h"
#include "runtime/windows.h"
#include "shell/form2.h"
#include "shell/menu.h"
#include "world/bar.h"
#include "world/citymap.h"
#include "world/police.h"
#include "world/start.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace {
qint64 monotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

long residentKb() {
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Reports the first window that reaches the screen.
class FirstExpose : public QObject {
  public:
    bool eventFilter(QObject *o, QEvent *e) override {
        if (e->type() == QEvent::Expose && qobject_cast<QWindow *>(o) &&
            static_cast<QWindow *>(o)->isExposed()) {
            const qint64 t0 = qEnvironmentVariable("BENCH_T0_NS").toLongLong();
            std::printf("start_to_first_window_ms %.1f\n", (monotonicNs() - t0) / 1e6);
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }
};

void installProbe() {
    const QString mode = qEnvironmentVariable("BENCH_MODE");
    if (mode == "startup" || mode == "bare") qApp->installEventFilter(new FirstExpose);
}
Q_COREAPP_STARTUP_FUNCTION(installProbe)

int benchMix() {
    AudioEngine::setOutput(AudioEngine::Output::Offline);
    QObject owner;
    MediaChannel music(&owner, "music"), siren(&owner, "siren");
    playTrack(&music, "Hudba13.mid");
    music.isSounding(); // offline, the piece is made ready here, before the mix is timed
    const int chunk = AudioEngine::kRate / 20; // 50 ms, as an audio device would ask for it
    std::vector<float> buf(size_t(chunk) * 2);
    double total = 0, worst = 0;
    int worstAt = 0;
    const int chunks = 20 * 60; // one minute of sound
    for (int i = 0; i < chunks; ++i) {
        if (i % (20 * 26) == 0)
            playTrack(&siren, "police.wav"), siren.isSounding(); // every 26 s, as in the game
        const qint64 t = monotonicNs();
        AudioEngine::instance().render(buf.data(), chunk);
        const double ms = (monotonicNs() - t) / 1e6;
        total += ms;
        if (ms > worst) worstAt = i;
        worst = std::max(worst, ms);
    }
    std::printf("mix_worst_50ms_at_s %.2f\n", worstAt / 20.0);
    std::printf("mix_cpu_percent_average %.2f\n", total / (chunks * 50.0) * 100.0);
    std::printf("mix_cpu_percent_peak_50ms %.2f\n", worst / 50.0 * 100.0);
    return 0;
}
int benchTrackStart() {
    AudioEngine::setOutput(AudioEngine::Output::Offline);
    QObject owner;
    MediaChannel music(&owner, "music");
    const int chunk = AudioEngine::kRate / 100; // 10 ms
    std::vector<float> buf(size_t(chunk) * 2);
    for (const char *file :
         {"Hudba7.mid", "hudba8.mid", "Hudba13.mid", "Hudba10.mid", "Hudba15.mid", "Hudba2.mid"}) {
        const qint64 t0 = monotonicNs();
        playTrack(&music, file);
        const qint64 t1 = monotonicNs();
        double firstMix = 0, firstSound = -1;
        for (int i = 0; i < 200 && firstSound < 0; ++i) {
            const qint64 t = monotonicNs();
            AudioEngine::instance().render(buf.data(), chunk);
            if (i == 0) firstMix = (monotonicNs() - t) / 1e6;
            for (int k = 0; k < chunk && firstSound < 0; ++k)
                if (std::abs(buf[size_t(k) * 2]) > 0.001f)
                    firstSound = (i * chunk + k) * 1000.0 / AudioEngine::kRate;
        }
        std::printf("%-12s ui_thread_open_and_play_ms %.2f loaded_and_first_10ms_mixed_ms %.2f "
                    "first_sound_at_ms %.1f "
                    "resident_mb %.1f\n",
                    file, (t1 - t0) / 1e6, firstMix, firstSound, residentKb() / 1024.0);
    }
    return 0;
}
int benchChange() {
    AudioEngine::setOutput(AudioEngine::Output::Offline);
    QObject owner;
    MediaChannel music(&owner, "music");
    const char *const order[] = {"hudba8.mid",  "Hudba7.mid",  "frame3start.wav", "9m18.wav",
                                 "Hudba13.mid", "Hudba10.mid", "Hudba15.mid",     "Hudbabarvstupatd.wav",
                                 "Hudba2.mid",  "Hudba8.mid"};
    const int before = 20 * AudioEngine::kRate + 517, after = AudioEngine::kRate / 10;
    std::vector<float> out(size_t(before + after) * 2);
    auto step = [&](int from, int to) {
        double worst = 0;
        for (int i = std::max(from, 1); i < to; ++i)
            worst = std::max(worst, double(std::abs(out[size_t(i) * 2] - out[size_t(i - 1) * 2])));
        return 20 * std::log10(worst + 1e-9);
    };
    for (size_t k = 0; k + 1 < std::size(order); ++k) {
        playTrack(&music, order[k]);
        AudioEngine::instance().render(out.data(), before);
        // What the old track would have played next: a plain cut jumps from it to silence.
        std::vector<float> next(2, 0.0f);
        AudioEngine::instance().render(next.data(), 1);
        const qint64 t = monotonicNs();
        playTrack(&music, order[k + 1]);
        const double ui = (monotonicNs() - t) / 1e6;
        AudioEngine::instance().render(out.data() + size_t(before) * 2, after);
        std::printf(
            "%-20s -> %-20s ui_thread_ms %5.2f step_dbfs %6.1f own_steps_dbfs %6.1f plain_cut_dbfs %6.1f\n",
            order[k], order[k + 1], ui,
            step(before - AudioEngine::kRate / 50, before + AudioEngine::kRate / 50),
            step(before - AudioEngine::kRate, before - AudioEngine::kRate / 50),
            20 * std::log10(std::abs(next[0]) + 1e-9));
    }
    return 0;
}

// --- the saved game, from outside ------------------------------------------------------------------

QPoint centreIn(QWidget *w) {
    QRect r(w->mapTo(w->window(), QPoint(0, 0)), w->size());
    return r.intersected(w->window()->rect()).center();
}

void click(QWidget *w) {
    QWindow *h = w->window()->windowHandle();
    QTest::mouseMove(h, centreIn(w));
    QTest::mouseClick(h, Qt::LeftButton, Qt::NoModifier, centreIn(w));
    QTest::qWait(150);
    // A message is read and closed with its OK button.
    if (Form2 *box = Windows::find<Form2>()) {
        QTest::mouseClick(box->windowHandle(), Qt::LeftButton, Qt::NoModifier, centreIn(box->Command1));
        QTest::qWait(100);
    }
}

void drag(QWidget *item, QWidget *target) {
    QWindow *h = item->window()->windowHandle();
    QTest::mouseMove(h, centreIn(item));
    QTest::mousePress(h, Qt::LeftButton, Qt::NoModifier, centreIn(item));
    QTest::mouseMove(h, centreIn(target));
    QTest::mouseRelease(h, Qt::LeftButton, Qt::NoModifier, centreIn(target));
    QTest::qWait(150);
    if (Form2 *box = Windows::find<Form2>()) {
        QTest::mouseClick(box->windowHandle(), Qt::LeftButton, Qt::NoModifier, centreIn(box->Command1));
        QTest::qWait(100);
    }
}

void startSaving() {
    setupApplication();
    SaveGame::instance().install();
    SaveGame::catchEndSignals();
}

int benchPlay() {
    startSaving();
    Windows::show<menu>();
    Form1 *f = Windows::show<Form1>();
    QTest::qWait(500);
    click(f->start->Image7);
    click(f->start->Image9);
    click(f->start->Image8);
    click(f->Command2);
    drag(f->inventory->klicek, f->start->Image3);
    click(f->start->Image3);
    drag(f->inventory->Image11, f->inventory->cepka);
    drag(f->inventory->cepka, f->start->Image13);
    click(f->start->Image14);
    QTest::qWait(4500);
    click(f->citymap->Image22);
    click(f->police->Image30);
    std::printf("in the police station: %s\n", f->police->police2->isVisible() ? "yes" : "no");
    std::fflush(stdout);
    return qApp->exec();
}

int benchContinue(bool wrongDoor) {
    startSaving();
    menu *m = Windows::show<menu>();
    QTest::qWait(300);
    std::printf("save file: %s (%lld bytes)\n", qPrintable(SaveGame::path()),
                QFileInfo(SaveGame::path()).size());
    std::printf("menu offers Pokracovat: %s\n", m->Command8->isVisible() ? "yes" : "no");
    if (!m->Command8->isVisible()) return 0;
    // "Pokračovat" to the game window on the screen.
    bool exposed = false;
    QElapsedTimer t;
    struct Expose : QObject {
        bool *seen;
        qint64 *at;
        QElapsedTimer *t;
        bool eventFilter(QObject *o, QEvent *e) override {
            if (e->type() == QEvent::Expose && o->objectName().startsWith("Form1") && !*seen) {
                *seen = true;
                *at = t->nsecsElapsed();
            }
            return false;
        }
    } probe;
    qint64 at = 0;
    probe.seen = &exposed;
    probe.at = &at;
    probe.t = &t;
    qApp->installEventFilter(&probe);
    timespec cpu0{}, cpu1{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu0);
    t.start();
    m->Command8->click();
    for (int i = 0; i < 200 && !exposed; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu1);
    qApp->removeEventFilter(&probe);
    Form1 *f = Windows::find<Form1>();
    if (!f) {
        QTest::qWait(300);
        Form2 *box = Windows::find<Form2>();
        std::printf("no game window; message: %s\n", box ? qPrintable(box->Label1->Caption()) : "none");
        std::printf("save file now: %s\n", QFileInfo::exists(SaveGame::path()) ? "present" : "gone");
        return 0;
    }
    // On a busy machine the wall time waits for the processor; the UI thread's own time does not.
    std::printf("continue_to_game_window_on_screen_ms %.1f (ui thread cpu %.1f)\n", at / 1e6,
                ((cpu1.tv_sec - cpu0.tv_sec) * 1e9 + (cpu1.tv_nsec - cpu0.tv_nsec)) / 1e6);
    std::printf(
        "police station inside shown: %s; door key used (klicek held %s, Key %s); card in the slot: %s\n",
        f->police->police2->isVisible() ? "yes" : "no", f->inventory->klicek->isVisible() ? "yes" : "no",
        qPrintable(f->Key->Caption()), f->start->Image13->isEnabled() ? "no" : "yes");
    if (wrongDoor) {
        for (QWidget *c = f->bar->barukol; c != f; c = c->parentWidget()) {
            c->show();
            if (auto *ctl = qobject_cast<Control *>(c)) ctl->setRect({0, 0, ctl->Width(), ctl->Height()});
        }
        QTest::qWait(200);
        click(f->bar->Image81);
        std::printf("wrong door chosen; save file: %s\n",
                    QFileInfo::exists(SaveGame::path()) ? "present" : "gone");
        std::fflush(stdout);
        return qApp->exec();
    }
    // A save on the UI thread, each one after a change.
    double total = 0, worst = 0;
    const int n = 50;
    for (int i = 0; i < n; ++i) {
        f->Key->setCaption(i % 2 ? "1" : "x");
        const qint64 t0 = monotonicNs();
        SaveGame::instance().saveNow();
        const double ms = (monotonicNs() - t0) / 1e6;
        total += ms;
        worst = std::max(worst, ms);
    }
    f->Key->setCaption("1");
    SaveGame::instance().saveNow();
    std::printf("save_ui_thread_ms_average %.2f\nsave_ui_thread_ms_worst %.2f\nsave_file_bytes %lld\n",
                total / n, worst, QFileInfo(SaveGame::path()).size());
    // The close box keeps the game for later.
    f->close();
    QTest::qWait(300);
    std::printf("after the close box the menu offers Pokracovat: %s\n",
                m->Command8->isVisible() ? "yes" : "no");
    return 0;
}
} // namespace

int main(int argc, char **argv) {
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray("startup");
    qputenv("BENCH_MODE", mode);
    if (mode == "startup") return runGame(1, argv); // the game itself takes no mode
    if (mode == "bare") {
        QApplication app(argc, argv);
        QWidget window;
        window.resize(445, 453);
        window.show();
        return app.exec();
    }
    if (mode == "mix") return benchMix();
    if (mode == "start") return benchTrackStart();
    if (mode == "change") return benchChange();
    if (mode == "play" || mode == "continue" || mode == "wrongdoor") {
        QApplication app(argc, argv);
        return mode == "play" ? benchPlay() : benchContinue(mode == "wrongdoor");
    }

    QApplication app(argc, argv);
    setupApplication();
    Windows::show<Form1>();
    double cpu0 = 0;
    QTimer::singleShot(3000, [&] { cpu0 = cpuSeconds(); });
    QTimer::singleShot(13000, [&] {
        const double used = cpuSeconds() - cpu0;
        std::printf("resident_memory_mb %.1f\n", residentKb() / 1024.0);
        std::printf("idle_cpu_percent %.2f\n", used / 10.0 * 100.0);
        std::fflush(stdout);
        std::_Exit(0);
    });
    return app.exec();
}
