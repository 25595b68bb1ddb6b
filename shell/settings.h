#pragma once
// The settings window: how loud the music and the effects play, silence, the size of the windows and
// the language. Each row is a caption with its field, and a note where the choice waits for the next
// start. Every choice applies and is remembered the moment it is made.
#include "game/preferences.h"
#include "runtime/control.h"
#include "runtime/windows.h"

class QCheckBox;
class QComboBox;
class QSlider;

class settings : public GameWindow {
    Q_OBJECT
  public:
    settings();

    QSlider *music, *effects;
    QCheckBox *mute;
    QComboBox *size, *language;
    ButtonControl *Command1; // "Zavřít"

    // Adds a row under the others: the caption (a Czech original marked QT_TRANSLATE_NOOP("Settings",
    // ...)) on the left, the field on the right, a note under the field. The window grows to hold it.
    void addRow(const char *caption, QWidget *field, const char *note = nullptr);
    // Shows the preferences as they are now (after M in the game window).
    void refresh();

  private:
    QWidget *volumeField(QSlider **slider);
    void changed();
    Preferences prefs_;
    int height_ = 240; // twips down to the next row
};

// F2 in any window of the game opens the settings; M in the game window silences the sound or
// brings it back.
void installSettingsKeys();
void toggleMute();
