#include "runtime/windows.h"

#include "runtime/timer.h"
#include "runtime/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWindow>
#include <map>
#include <memory>

#ifdef ZUR_HAVE_XCB
#include <QGuiApplication>
#include <xcb/xcb.h>
#endif

namespace {
struct Entry {
    std::type_index type;
    GameWindow *window;
};
std::vector<Entry> entries;
std::vector<GameWindow *> stacking; // bottom first: the order the player sees the windows in
bool ended = false;
std::function<void()> quitHandler;
std::function<void(Windows::Event, GameWindow *)> observer;

// Wayland keeps to itself where the compositor put each window, and offers no way back from a
// minimised one.
bool onWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void quitProgram() {
    if (quitHandler)
        quitHandler();
    else
        QCoreApplication::quit();
}

// Stops the window's timers at once; the widgets themselves go when the event loop next runs, so a
// handler that unloads its own window can still return safely.
void dispose(GameWindow *window) {
    std::erase(stacking, window);
    for (Timer *t : window->findChildren<Timer *>())
        t->setEnabled(false);
    window->hide();
    window->deleteLater();
}
} // namespace

GameWindow::GameWindow(const QString &objectName) : QWidget(nullptr) {
    setObjectName(objectName);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void GameWindow::setDesign(const QString &caption, int widthTwips, int heightTwips, Frame frame) {
    setWindowTitle(caption);
    setFixedSize(px(widthTwips), px(heightTwips));
    frame_ = frame;
    // Every window is an ordinary top-level window, so the one the player clicked or the game opened
    // last is in front: window managers keep a toolkit tool window (a utility window of the program's
    // group) above the game window for the whole game. A tool window shows its title and close box.
    Qt::WindowFlags flags = Qt::Window;
    switch (frame) {
    case Frame::Borderless:
        flags |= Qt::FramelessWindowHint;
        break;
    case Frame::FixedSingle:
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint;
        break;
    case Frame::ToolWindow:
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        break;
    }
    setWindowFlags(flags);
}

void GameWindow::paintBackground(const QColor &color) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
    setAutoFillBackground(true);
}

bool GameWindow::event(QEvent *event) {
    switch (event->type()) {
    case QEvent::WindowActivate:
        // The player clicked it (or the window manager raised it): it is in front now.
        if (Windows::isLoaded(this)) Windows::toFront(this);
        break;
    case QEvent::WindowStateChange:
        // No window of the design can be maximised or minimised, but Qt's own frame on Wayland offers
        // both: the window returns to its designed state (a minimised one is mapped anew, as Wayland
        // has no other way back).
        if (onWayland() &&
            (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
            QTimer::singleShot(0, this, [this] {
                if (!Windows::isLoaded(this)) return;
                const bool minimised = windowState() & Qt::WindowMinimized;
                setWindowState(Qt::WindowNoState);
                if (minimised) {
                    hide();
                    Windows::bringForward(this);
                }
            });
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
        // A window manager tells the size of its frame only once the window is on the screen;
        // centre a framed window again by its whole frame the first time we learn it.
        if (!recentred_ && frame_ != Frame::Borderless && windowHandle() &&
            !windowHandle()->frameMargins().isNull()) {
            recentred_ = true;
            Windows::centre(this, windowHandle()->frameMargins());
        }
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void GameWindow::closeEvent(QCloseEvent *event) {
    // The close box unloads the window like any other way of closing it.
    event->accept();
    if (Windows::isLoaded(this)) Windows::unload(this);
}

void Windows::add(std::type_index type, GameWindow *window) {
    ended = false;
    entries.push_back({type, window});
}

GameWindow *Windows::lookup(std::type_index type) {
    for (const Entry &e : entries)
        if (e.type == type) return e.window;
    return nullptr;
}

bool Windows::isLoaded(const GameWindow *window) {
    for (const Entry &e : entries)
        if (e.window == window) return true;
    return false;
}

std::vector<GameWindow *> Windows::open() {
    std::vector<GameWindow *> out;
    for (const Entry &e : entries)
        out.push_back(e.window);
    return out;
}

bool Windows::programEnded() {
    return ended;
}

namespace {
// On an X server the windows lie as the server stacks them, which is not always the order the game
// raised them in: without a window manager a click gives a window the focus but does not raise it, so
// the message dialog stays in front of the game window the player pressed an item in. Each window is
// ranked by its top-level ancestor (the window manager's frame, or the window itself) among the
// children of the root window, bottom first. Elsewhere the game's own order stands.
void serverStacking(std::vector<GameWindow *> &order) {
#ifdef ZUR_HAVE_XCB
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *c = x11 ? x11->connection() : nullptr;
    if (!c) return;
    using Reply = std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)>;
    auto tree = [c](xcb_window_t w) {
        return Reply(xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr), &std::free);
    };
    std::map<GameWindow *, xcb_window_t> top;
    xcb_window_t root = XCB_NONE;
    for (GameWindow *w : order) {
        xcb_window_t id = xcb_window_t(w->internalWinId());
        for (Reply r = tree(id); id && r; r = tree(id)) {
            root = r->root;
            if (r->parent == r->root || r->parent == XCB_NONE) break;
            id = r->parent;
        }
        if (id) top[w] = id;
    }
    const Reply all = root ? tree(root) : Reply(nullptr, &std::free);
    if (!all) return;
    const xcb_window_t *children = xcb_query_tree_children(all.get());
    const std::vector<xcb_window_t> bottomFirst(children,
                                                children + xcb_query_tree_children_length(all.get()));
    auto rank = [&](GameWindow *w) {
        auto it = top.find(w);
        return it == top.end()
                   ? -1
                   : int(std::find(bottomFirst.begin(), bottomFirst.end(), it->second) - bottomFirst.begin());
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](GameWindow *a, GameWindow *b) { return rank(a) < rank(b); });
#else
    Q_UNUSED(order);
#endif
}
} // namespace

GameWindow *Windows::topmostAt(QPoint globalPos) {
    if (onWayland()) {
        // The game cannot tell which of its windows lies over a point: the one the compositor reports
        // the pointer in wins (during a drag, the window the item came from).
        for (auto it = stacking.rbegin(); it != stacking.rend(); ++it)
            if ((*it)->isVisible() && (*it)->underMouse()) return *it;
        return qobject_cast<GameWindow *>(QApplication::activeWindow());
    }
    std::vector<GameWindow *> order = stacking;
    serverStacking(order);
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        if ((*it)->isVisible() && (*it)->frameGeometry().contains(globalPos)) return *it;
    return nullptr;
}

void Windows::toFront(GameWindow *window) {
    std::erase(stacking, window);
    stacking.push_back(window);
}

namespace {
// What the window manager's frames measured the last time one was seen, per kind of frame.
QMargins knownFrame[3];
} // namespace

void Windows::centre(GameWindow *window, QMargins frame) {
    knownFrame[int(window->frame_)] = frame;
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect whole = QRect(QPoint(0, 0), window->size()).marginsAdded(frame);
    // move() places the frame's top-left corner.
    window->move(screen->availableGeometry().center() - whole.center() + whole.topLeft());
}

void Windows::present(GameWindow *window) {
    // Every window is centred by the game itself: there may be no window manager to do it. Until the
    // window manager has shown this window's frame, the last frame of the same kind is the best guess.
    centre(window, knownFrame[int(window->frame_)]);
    bringForward(window);
}

void Windows::bringForward(GameWindow *window) {
    toFront(window);
    window->show();
    window->raise();
    window->activateWindow();
}

void Windows::unload(GameWindow *window) {
    auto it =
        std::find_if(entries.begin(), entries.end(), [&](const Entry &e) { return e.window == window; });
    if (it == entries.end()) return;
    entries.erase(it);
    notify(Event::Unloading, window);
    window->Form_Unload();
    dispose(window);
    if (entries.empty() && !ended) {
        ended = true;
        quitProgram();
    }
}

void Windows::endProgram() {
    if (!entries.empty()) notify(Event::ProgramEnding, nullptr);
    std::vector<Entry> all;
    all.swap(entries);
    for (const Entry &e : all)
        dispose(e.window);
    if (!ended) {
        ended = true;
        quitProgram();
    }
}

void Windows::setObserver(std::function<void(Event, GameWindow *)> watcher) {
    observer = std::move(watcher);
}

void Windows::notify(Event event, GameWindow *window) {
    if (observer) observer(event, window);
}

void Windows::setQuitHandler(std::function<void()> handler) {
    quitHandler = std::move(handler);
}

void Windows::reset() {
    for (const Entry &e : entries)
        dispose(e.window);
    entries.clear();
    stacking.clear();
    ended = false;
}
