#include "runtime/windows.h"

#include "runtime/timer.h"
#include "runtime/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QStyle>

namespace {
struct Entry {
    std::type_index type;
    GameWindow *window;
};
std::vector<Entry> entries;
bool ended = false;
std::function<void()> quitHandler;

void quitProgram() {
    if (quitHandler)
        quitHandler();
    else
        QCoreApplication::quit();
}

// Stops the window's timers at once; the widgets themselves go when the event loop next runs, so a
// handler that unloads its own window can still return safely.
void dispose(GameWindow *window) {
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
    Qt::WindowFlags flags;
    switch (frame) {
    case Frame::Borderless:
        flags = Qt::Window | Qt::FramelessWindowHint;
        break;
    case Frame::BorderlessTool:
        flags = Qt::Tool | Qt::FramelessWindowHint;
        break;
    case Frame::FixedSingle:
        flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                Qt::MSWindowsFixedSizeDialogHint;
        break;
    case Frame::ToolWindow:
        flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
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

void Windows::present(GameWindow *window) {
    // Every window is centred by the game itself: there may be no window manager to do it.
    if (QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
    window->show();
    window->raise();
    window->activateWindow();
}

void Windows::bringForward(GameWindow *window) {
    window->show();
    window->raise();
    window->activateWindow();
}

void Windows::unload(GameWindow *window) {
    auto it =
        std::find_if(entries.begin(), entries.end(), [&](const Entry &e) { return e.window == window; });
    if (it == entries.end()) return;
    entries.erase(it);
    window->Form_Unload();
    dispose(window);
    if (entries.empty() && !ended) {
        ended = true;
        quitProgram();
    }
}

void Windows::endProgram() {
    std::vector<Entry> all;
    all.swap(entries);
    for (const Entry &e : all)
        dispose(e.window);
    if (!ended) {
        ended = true;
        quitProgram();
    }
}

void Windows::setQuitHandler(std::function<void()> handler) {
    quitHandler = std::move(handler);
}

void Windows::reset() {
    for (const Entry &e : entries)
        dispose(e.window);
    entries.clear();
    ended = false;
}
