#pragma once
// The player's language. The game is written in Czech: every text in the code is the Czech original,
// marked where it stands and looked up in the player's language where it is shown. English comes
// from a translation compiled into the program; pictures with words have an English twin beside them.
#include <QString>
#include <QStringList>

// The game's language for the desktop's preferred languages (most preferred first, as
// QLocale::system().uiLanguages() gives them): the first entry the game speaks decides, Czech for
// Czech and Slovak, English for English; a desktop in any other language plays in English, one with
// C, POSIX or no language at all in the original Czech.
QString chooseLanguage(const QStringList &uiLanguages);
// "cs" or "en" for a language or locale name as the environment spells it ("EN", "en_GB",
// "cs_CZ.UTF-8", "sk", "C"); empty for a language the game does not speak.
QString spokenLanguage(const QString &name);
// The languages the game speaks: "cs" and "en".
bool isKnownLanguage(const QString &lang);
// Makes lang the language of every text and picture shown from now on (call it once the application
// exists). Czech needs no translation; an unknown language leaves the current one.
void installLanguage(const QString &lang);
QString currentLanguage();
