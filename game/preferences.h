#pragma once
// What the player chose in the settings window, remembered from run to run in QSettings (the user's
// config folder; the application's names are set by setupApplication). The command line still wins
// for the one run it is given to.
#include <QString>
#include <optional>

struct Preferences {
    int music = 100;   // percent
    int effects = 100; // percent
    bool mute = false;
    QString size = QStringLiteral("auto");     // "auto", or "1" to "4" times the design size
    QString language = QStringLiteral("auto"); // "auto" (the desktop's), "cs" or "en"

    static Preferences load();
    void store() const;
    // Music and effects at their volumes (or silent), at once.
    void applyVolumes() const;
    // The size chosen, or nullopt for automatic.
    std::optional<qreal> scale() const;
    // The language to speak: the one chosen, or the desktop's.
    QString spokenLanguage() const;
};
