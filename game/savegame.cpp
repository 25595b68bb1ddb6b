#include "game/savegame.h"

#include "game/form1.h"
#include "runtime/snapshot.h"
#include "runtime/timer.h"
#include "runtime/windows.h"
#include "scenes/form3.h"
#include "scenes/form4.h"
#include "shell/form2.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <mutex>
#include <optional>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {
// The game changes at most twice a second on disk, however fast the player clicks.
constexpr int kDelayMs = 500;
const QString kGame = QStringLiteral("Zur ev Edivu");

// The windows whose state is the game's: the game window and the two conversation windows.
bool isSaved(const QString &name) {
    return name == QLatin1String("Form1") || name == QLatin1String("Form3") || name == QLatin1String("Form4");
}

// The status line only says what the mouse last pointed at: a new game in which the player has done
// nothing else has not begun, and does not yet replace the saved one.
bool begun(const QJsonObject &windows) {
    QJsonObject game = windows.value(QStringLiteral("Form1")).toObject();
    QJsonObject status = game.value(QStringLiteral("Label1")).toObject();
    status.remove(QStringLiteral("caption"));
    if (status.isEmpty())
        game.remove(QStringLiteral("Label1"));
    else
        game.insert(QStringLiteral("Label1"), status);
    return !game.isEmpty() || windows.size() > 1;
}

// The windows of a saved game, or why it cannot be one.
QJsonObject readSave(const QByteArray &bytes, QString *why) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    const QJsonObject root = doc.object();
    if (error.error != QJsonParseError::NoError) {
        *why = QStringLiteral("not JSON: %1 at byte %2").arg(error.errorString()).arg(error.offset);
    } else if (root.value(QStringLiteral("game")).toString() != kGame) {
        *why = QStringLiteral("not a saved game of Zur ev Edivu");
    } else if (const QJsonValue v = root.value(QStringLiteral("version")); !v.isDouble() || v.toInt() < 1) {
        *why = QStringLiteral("no version of the format");
    } else if (v.toInt() > SaveGame::kVersion) {
        *why = QStringLiteral("written by a newer version of the game (format %1)").arg(v.toInt());
    } else if (!root.value(QStringLiteral("windows")).toObject().value(QStringLiteral("Form1")).isObject()) {
        *why = QStringLiteral("no game window in it");
    } else {
        const QJsonObject windows = root.value(QStringLiteral("windows")).toObject();
        for (auto it = windows.begin(); it != windows.end(); ++it)
            if (!isSaved(it.key()) || !it.value().isObject()) {
                *why = QStringLiteral("no window named %1").arg(it.key());
                return {};
            }
        return windows;
    }
    return {};
}

// Opens the window of type W with the saved state put in before it is first seen.
template <class W> bool reopen(const QJsonObject &windows, const char *name, QString *why) {
    if (!windows.contains(QLatin1String(name))) return true;
    return Windows::show<W>([&](W *w) {
        *why = Snapshot::apply(w, windows.value(QLatin1String(name)).toObject());
        return why->isEmpty();
    });
}

// --- the writer: a thread of its own, since the disk may take a tenth of a second to confirm ---
class Writer {
  public:
    ~Writer() {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        if (thread_.joinable()) thread_.join();
    }
    // Replaces whatever waits to be written: only the newest state matters.
    void post(const QString &path, const QByteArray &bytes) {
        {
            std::lock_guard lock(mutex_);
            next_ = Job{path, bytes};
            if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
        }
        wake_.notify_all();
    }
    // Drops what waits and waits for a write under way: afterwards nothing more reaches the disk.
    void cancel() {
        std::unique_lock lock(mutex_);
        next_.reset();
        idle_.wait(lock, [this] { return !writing_; });
    }
    bool busy() {
        std::lock_guard lock(mutex_);
        return next_ || writing_;
    }
    // Waits until everything posted is on the disk (or has failed).
    void flush() {
        std::unique_lock lock(mutex_);
        idle_.wait(lock, [this] { return !next_ && !writing_; });
    }

  private:
    struct Job {
        QString path;
        QByteArray bytes;
    };
    void run() {
        for (;;) {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return next_ || stop_; });
            if (!next_) return;
            const Job job = std::move(*next_);
            next_.reset();
            writing_ = true;
            lock.unlock();
            // Written whole beside the old file and renamed over it: a crash or a full disk half way
            // keeps the previous good save.
            QSaveFile out(job.path);
            const bool ok = QDir().mkpath(QFileInfo(job.path).path()) && out.open(QIODevice::WriteOnly) &&
                            out.write(job.bytes) == job.bytes.size() && out.commit();
            const QString error = out.errorString();
            lock.lock();
            writing_ = false;
            idle_.notify_all();
            if (!ok)
                QMetaObject::invokeMethod(
                    &SaveGame::instance(),
                    [path = job.path, error] { SaveGame::instance().failed(path, error); },
                    Qt::QueuedConnection);
        }
    }
    std::mutex mutex_;
    std::condition_variable wake_, idle_;
    std::optional<Job> next_;
    bool writing_ = false, stop_ = false;
    std::thread thread_;
};

Writer &writer() {
    static Writer w;
    return w;
}

// --- the end signals of a desktop session, passed from the handler to the event loop by a pipe ---
int signalPipe[2] = {-1, -1};

void onEndSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}
} // namespace

SaveGame &SaveGame::instance() {
    static SaveGame saver;
    return saver;
}

QString SaveGame::path() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/save.json");
}

void SaveGame::install() {
    Windows::setObserver([this](Windows::Event e, GameWindow *w) { windowEvent(int(e), w); });
    QCoreApplication::instance()->installEventFilter(this);
}

void SaveGame::catchEndSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [] {
        char byte;
        [[maybe_unused]] const ssize_t n = ::read(signalPipe[0], &byte, 1);
        Windows::endProgram(); // which saves the game first
    });
    struct sigaction action {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGHUP, SIGINT})
        sigaction(sig, &action, nullptr);
}

bool SaveGame::canContinue() const {
    return !game_ && !unreadable_ && (writer().busy() || QFileInfo::exists(path()));
}

void SaveGame::windowEvent(int event, GameWindow *window) {
    const QString name = window ? window->objectName() : QString();
    switch (Windows::Event(event)) {
    case Windows::Event::Loaded:
        if (auto *form = qobject_cast<Form1 *>(window)) {
            attach(form);
        } else if (isSaved(name)) {
            designState_.insert(name, Snapshot::capture(window));
            arm();
        } else if (name == QLatin1String("onetwo") && game_) {
            lose(); // the finale: the game has been played to its end
        }
        break;
    case Windows::Event::Unloading:
        if (window == game_) {
            saveNow();
            game_ = nullptr;
            delete pending_;
            pending_ = nullptr;
            emit availabilityChanged();
        } else if (isSaved(name)) {
            arm();
        }
        break;
    case Windows::Event::ProgramEnding:
        saveNow();
        flush(); // the program ends right after
        break;
    }
}

void SaveGame::attach(Form1 *form) {
    game_ = form;
    // However the window goes, its delay goes with it (tests sweep windows away without unloading).
    connect(form, &QObject::destroyed, this, [this] {
        delete pending_;
        pending_ = nullptr;
    });
    designState_.insert(QStringLiteral("Form1"), Snapshot::capture(form));
    written_.clear();
    started_ = ended_ = false;
    delete pending_;
    pending_ = new Timer(this, kDelayMs, false, [this] { saveNow(); });
    // A wrong door loses the game the moment it is chosen, whatever follows.
    connect(form->Timer4, &Timer::enabledChanged, this, [this](bool on) {
        if (on) lose();
    });
    emit availabilityChanged();
}

void SaveGame::lose() {
    ended_ = true;
    if (pending_) pending_->setEnabled(false);
    writer().cancel();
    written_.clear();
    QFile::remove(path());
    emit availabilityChanged();
}

void SaveGame::arm() {
    if (pending_ && !ended_ && !restoring_ && !pending_->Enabled()) pending_->setEnabled(true);
}

bool SaveGame::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (watched->isWidgetType()) arm();
        break;
    default:
        break;
    }
    return false;
}

void SaveGame::saveNow() {
    if (pending_) pending_->setEnabled(false);
    if (!game_ || ended_ || restoring_) return;
    QJsonObject windows;
    windows.insert(QStringLiteral("Form1"),
                   Snapshot::changesSince(designState_.value(QStringLiteral("Form1")), game_));
    for (GameWindow *w : Windows::open())
        if (w != game_ && isSaved(w->objectName()))
            windows.insert(w->objectName(), Snapshot::changesSince(designState_.value(w->objectName()), w));
    if (!started_ && !begun(windows)) return;
    started_ = true;
    const QJsonObject root{{QStringLiteral("game"), kGame},
                           {QStringLiteral("version"), kVersion},
                           {QStringLiteral("windows"), windows}};
    const QByteArray bytes = QJsonDocument(root).toJson(QJsonDocument::Indented);
    if (bytes == written_) return;
    written_ = bytes;
    writer().post(path(), bytes);
}

void SaveGame::flush() {
    writer().flush();
}

void SaveGame::failed(const QString &file, const QString &error) {
    written_.clear(); // tried again at the next change
    emit availabilityChanged();
    if (unwritableTold_) return;
    // Said once; the game plays on.
    unwritableTold_ = true;
    std::fprintf(stderr, "cannot save the game to %s: %s\n", qPrintable(file), qPrintable(error));
    showMessage(QT_TRANSLATE_NOOP("Message", "Hru nejde uložit: složka pro uložené hry je jen pro čtení "
                                             "nebo plná. Hraješ dál bez ukládání."));
}

void SaveGame::setAside(const QString &why) {
    const QString aside = path() + QStringLiteral(".bad-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const bool moved = QFile::rename(path(), aside);
    unreadable_ = !moved;
    const QString kept = moved ? aside : path();
    std::fprintf(stderr, "the saved game %s cannot be read (%s): kept as %s\n", qPrintable(path()),
                 qPrintable(why), qPrintable(kept));
    if (Form2 *box = showMessageDialog())
        box->Label1->setCaption(QCoreApplication::translate(
                                    "Message", "Uloženou hru nejde přečíst. Soubor zůstal schovaný jako %1.")
                                    .arg(QFileInfo(kept).fileName()));
    emit availabilityChanged();
}

bool SaveGame::resume() {
    if (game_) return false;
    flush();
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    file.close();
    QString why;
    const QJsonObject windows = readSave(bytes, &why);
    if (why.isEmpty()) {
        restoring_ = true;
        const bool ok = reopen<Form1>(windows, "Form1", &why) && reopen<Form3>(windows, "Form3", &why) &&
                        reopen<Form4>(windows, "Form4", &why);
        if (!ok) {
            // Nothing of a half-read game stays open.
            Windows::unload<Form4>();
            Windows::unload<Form3>();
            Windows::unload<Form1>();
        }
        restoring_ = false;
    }
    if (!why.isEmpty()) {
        setAside(why);
        return false;
    }
    written_ = bytes;
    started_ = true;
    return true;
}
