#pragma once
// Every window of the game exists at most once. Showing a window that is not loaded creates it in its
// design state and runs its load handler; showing a loaded one only brings it forward. Unloading runs
// the unload handler and destroys the window; ending the program closes everything without handlers.
// A handler that reaches into another window asks find<>() and does nothing when it gets nullptr:
// touching a window never creates it.
#include <QWidget>
#include <functional>
#include <typeindex>
#include <vector>

class GameWindow : public QWidget {
    Q_OBJECT
  public:
    explicit GameWindow(const QString &objectName);
    // The design's load and unload handlers.
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    // Client area in twips, the window's caption and its frame.
    enum class Frame { Borderless, FixedSingle, ToolWindow };
    void setDesign(const QString &caption, int widthTwips, int heightTwips, Frame frame);
    void paintBackground(const QColor &color);

  protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

  private:
    friend class Windows;
    Frame frame_ = Frame::Borderless;
    bool recentred_ = false; // centred again once the window manager told us its frame
};

class Windows {
  public:
    // prepare, when given, runs on a newly loaded window before it is first seen; when it returns
    // false the window is unloaded again without ever having been on the screen.
    template <class W> static W *show(const std::function<bool(W *)> &prepare = {}) {
        if (auto *w = find<W>()) {
            bringForward(w);
            return w;
        }
        auto *w = new W();
        add(std::type_index(typeid(W)), w);
        w->Form_Load();
        if (!isLoaded(w)) return nullptr; // its load handler unloaded it again
        notify(Event::Loaded, w);
        if (prepare && !prepare(w)) {
            unload(w);
            return nullptr;
        }
        present(w);
        return w;
    }
    template <class W> static W *find() { return static_cast<W *>(lookup(std::type_index(typeid(W)))); }

    static void unload(GameWindow *window);
    template <class W> static void unload() {
        if (auto *w = find<W>()) unload(w);
    }
    // Ends the program at once: every window closes, no unload handler runs.
    static void endProgram();

    static bool isLoaded(const GameWindow *window);
    // The game window a pointer at this point of the screen is over: the one the player clicked or the
    // game opened last among those whose frame holds the point; nullptr over anything else.
    static GameWindow *topmostAt(QPoint globalPos);
    static std::vector<GameWindow *> open();
    static bool programEnded();

    // What happens when the program ends (the last window closed, or endProgram). Tests replace the
    // default, which quits the application's event loop.
    static void setQuitHandler(std::function<void()> handler);
    // Forgets everything (tests start each case from a clean slate).
    static void reset();

    // One watcher of the windows' lives: told of each window once its load handler has run, of each
    // window about to unload (before its unload handler), and of the end of the program before any
    // window closes.
    enum class Event { Loaded, Unloading, ProgramEnding };
    static void setObserver(std::function<void(Event, GameWindow *)> observer);

  private:
    friend class GameWindow;
    static void add(std::type_index type, GameWindow *window);
    static void notify(Event event, GameWindow *window);
    static GameWindow *lookup(std::type_index type);
    static void present(GameWindow *window);
    static void bringForward(GameWindow *window);
    static void toFront(GameWindow *window);
    static void centre(GameWindow *window, QMargins frame);
};
