#pragma once
// The game remembers where the player left off. The game window (and an open conversation window)
// keeps its whole state in the properties of its controls, so a saved game is a snapshot of exactly
// those (runtime/snapshot.h), written within half a second of every change the player makes and at
// every way out: the game window's close box, "Konec", the menu's "Exit", and the desktop session
// ending the program (SIGTERM, SIGHUP, SIGINT). "Pokračovat" in the main menu opens the game window
// exactly as it was.
//
// The file: save.json in the user's data folder (QStandardPaths::AppDataLocation, which follows
// XDG_DATA_HOME), written whole to a temporary file and renamed over the old one. It holds
//   {"game": "Zur ev Edivu", "version": 1, "windows": {"Form1": {...}, "Form3": {...}}}
// where each window lists only the controls whose state differs from the window's design state, each
// with only the properties that differ. A lost game (a wrong door) and the finale delete it at once:
// a choice the game allows once stays one choice. A file that cannot be read is kept aside as
// save.json.bad-<time> and the player is told.
#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QPointer>

class Form1;
class GameWindow;
class Timer;

class SaveGame : public QObject {
    Q_OBJECT
  public:
    static constexpr int kVersion = 1;
    static SaveGame &instance();

    // Starts watching the game's windows and the player's input.
    void install();
    // The end signals of a desktop session end the program the way "Konec" does, saving first.
    static void catchEndSignals();
    static QString path();

    // A saved game waits: there is one, and no game window is open.
    bool canContinue() const;
    // Opens the game window as the saved game left it. False when there was nothing to open or the
    // file could not be read (the player is told, and the file is kept aside).
    bool resume();
    // Writes the state now, if a game is in progress and anything changed since the last write. The
    // UI thread only takes the snapshot; a thread of its own puts it on the disk.
    void saveNow();
    // Waits until the last state is on the disk.
    void flush();
    // A write failed (told by the writer on the UI thread).
    void failed(const QString &file, const QString &error);

  signals:
    void availabilityChanged();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void windowEvent(int event, GameWindow *window);
    void attach(Form1 *form);
    void lose();
    void arm();
    void setAside(const QString &why);

    QPointer<Form1> game_;
    QHash<QString, QJsonObject> designState_; // per window, as it was loaded
    Timer *pending_ = nullptr;                // the coalescing delay before a write
    QByteArray written_;                      // what the file holds now
    bool started_ = false;                    // the game has changed since it was loaded
    bool ended_ = false;                      // lost or finished: never written again
    bool restoring_ = false;
    bool unreadable_ = false; // a bad file that could not be moved aside is not offered again
    bool unwritableTold_ = false;
};
