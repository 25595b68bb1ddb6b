#pragma once
// The player's language. The game is written in Czech: every text in the code is the Czech original,
// marked where it stands and looked up in the player's language where it is shown. English comes
// from a translation compiled into the program; pictures with words have an English twin beside them.
#include <QString>
#include <QStringList>

// "en" when the desktop's preferred languages (most preferred first, as QLocale::system().uiLanguages()
// gives them) name English before any Czech entry; "cs" otherwise, also for C, POSIX or no entry.
QString chooseLanguage(const QStringList &uiLanguages);
// The languages the game speaks: "cs" and "en".
bool isKnownLanguage(const QString &lang);
// Makes lang the language of every text and picture shown from now on (call it once the application
// exists). Czech needs no translation; an unknown language leaves the current one.
void installLanguage(const QString &lang);
QString currentLanguage();
