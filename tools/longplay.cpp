// longplay SECONDS [SEED] - a restless player in real time, for measuring memory over a long game.
// Starts straight in the game window and, from a fixed seed, moves and clicks over whatever is on
// screen, drags held items about, presses buttons, opens the inventory and the credits, closes
// windows, and travels: from the home scene to the city map as the launch ends, from the map into
// the four places and back by their thumbnails. When the game ends it starts again. The real clock
// runs, so the siren, the bar's loop and every other timer come as they would. Every half second
// it notes the resident memory, one line each, and at the end start, peak and end, with what was
// open at the peak. Run it on a virtual screen with scripts/longplay.sh.
#include "game/app.h"
#include "game/form1.h"
#include "game/inventory.h"
#include "runtime/windows.h"
#include "tools/randomplayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <cstdio>

namespace {
double residentMb() {
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

QString whatIsOpen() {
    QStringList names;
    for (GameWindow *w : Windows::open())
        names << w->objectName();
    QString music;
    if (auto *form = Windows::find<Form1>())
        music = form->MMControl1->isSounding() ? form->MMControl1->FileName : QString("silence");
    return names.join(' ') + (music.isEmpty() ? QString() : "; music " + music);
}
} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    setupApplication();
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 300;
    RandomPlayer player(argc > 2 ? quint32(std::atoll(argv[2])) : 20261206u);

    // The game ended (Exit, the lost game, the last window closed): the player starts it again.
    Windows::setQuitHandler([] {
        QTimer::singleShot(0, [] {
            Windows::reset();
            Windows::show<Form1>();
        });
    });
    Windows::show<Form1>();

    QElapsedTimer clock;
    clock.start();
    double start = -1, peak = 0, last = 0;
    QString atPeak;
    qint64 peakAt = 0;
    QTimer input, sampler;
    QObject::connect(&input, &QTimer::timeout, [&] { player.step(); });
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        last = residentMb();
        if (start < 0) start = last;
        const QString open = whatIsOpen();
        if (last > peak) peak = last, peakAt = clock.elapsed(), atPeak = open;
        std::printf("%6.1f s %6.1f MB  %s\n", clock.elapsed() / 1000.0, last, qPrintable(open));
        std::fflush(stdout);
        if (clock.elapsed() >= seconds * 1000LL) {
            std::printf("start %.1f MB, peak %.1f MB at %.0f s (%s), end %.1f MB\n", start, peak,
                        peakAt / 1000.0, qPrintable(atPeak), last);
            std::fflush(stdout);
            std::_Exit(0);
        }
    });
    input.start(150);
    sampler.start(500);
    return app.exec();
}
