#include "game/app.h"

#include "game/language.h"
#include "game/options.h"
#include "game/preferences.h"
#include "game/savegame.h"
#include "runtime/control.h"
#include "runtime/scale.h"
#include "runtime/windows.h"
#include "shell/first.h"
#include "shell/settings.h"

#include <QApplication>
#include <QScreen>
#include <cstdio>

void setupApplication() {
    // Names the user's folders: the saved game in ~/.local/share/bludickahry/zur-ev-edivu, the
    // settings in ~/.config/bludickahry/zur-ev-edivu.conf. Windows without a caption show the title.
    QApplication::setOrganizationName("bludickahry");
    QApplication::setApplicationName("zur-ev-edivu");
    QApplication::setApplicationDisplayName("Zur ev Edivu");
    QApplication::setQuitOnLastWindowClosed(false); // the window registry decides when the game ends
    registerFontSubstitutions();
}

void startGame() {
    Windows::show<first>();
}

const char *preferredPlatform(const QByteArray &qpaPlatform, const QByteArray &display,
                              const QByteArray &waylandDisplay, const QByteArray &sessionType) {
    if (!qpaPlatform.isEmpty() || display.isEmpty()) return nullptr;
    if (waylandDisplay.isEmpty() && sessionType != "wayland") return nullptr;
    return "xcb;wayland";
}

namespace {
QStringList rawArguments(int argc, char **argv) {
    QStringList out;
    for (int i = 0; i < argc; ++i)
        out << QString::fromLocal8Bit(argv[i]);
    return out;
}

void scaleToScreen(const Options &options) {
    QScreen *screen = QGuiApplication::primaryScreen();
    const QSizeF available = screen ? QSizeF(screen->availableGeometry().size()) : QSizeF();
    if (auto factor = Scale::decide(options.scale, qEnvironmentVariableIsSet("QT_SCALE_FACTOR"), available))
        Scale::apply(*factor);
}
} // namespace

int runGame(int argc, char **argv) {
    // The options are read before the windowing system is asked for anything, so that --help and a
    // mistyped option answer even where there is no screen.
    const Options options = parseOptions(rawArguments(argc, argv));
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "zur-ev-edivu: %s\n", qPrintable(options.error));
        return 2;
    }
    if (options.help || options.version) {
        std::fputs(qPrintable((options.help ? helpText() : versionText() + '\n')), stdout);
        return 0;
    }
    if (const char *platform = preferredPlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"),
                                                 qgetenv("WAYLAND_DISPLAY"), qgetenv("XDG_SESSION_TYPE")))
        qputenv("QT_QPA_PLATFORM", platform);
    QApplication app(argc, argv);
    setupApplication();
    // What the player chose in the settings, unless the command line says otherwise for this run.
    const Preferences prefs = Preferences::load();
    Options chosen = options;
    if (!chosen.scale) chosen.scale = prefs.scale();
    scaleToScreen(chosen);
    installLanguage(options.lang.isEmpty() ? prefs.spokenLanguage() : options.lang);
    prefs.applyVolumes();
    SaveGame::instance().install();
    SaveGame::catchEndSignals();
    installSettingsKeys();
    startGame();
    return app.exec();
}
