#pragma once
// The command line: the few choices a player can make before the game starts.
#include <QString>
#include <QStringList>
#include <optional>

struct Options {
    std::optional<qreal> scale; // --scale F, 1 to 4
    QString lang;               // --lang, as "cs" or "en"; empty: the desktop's languages decide
    bool help = false;
    bool version = false;
    QString error; // one line saying what is wrong; the program then stops with status 2
};

Options parseOptions(const QStringList &arguments); // arguments[0] is the program
QString helpText();
QString versionText();
