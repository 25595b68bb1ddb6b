#include "game/language.h"

#include "runtime/picture.h"

#include <QCoreApplication>
#include <QTranslator>

namespace {
QString current = QStringLiteral("cs");

QTranslator &translator() {
    static QTranslator t;
    return t;
}

// The language part of an entry: "en" of "en-GB", "en_US.UTF-8" or "EN".
QString languageOf(const QString &entry) {
    qsizetype end = 0;
    while (end < entry.size() && entry[end].isLetter())
        ++end;
    return entry.left(end).toLower();
}
} // namespace

QString spokenLanguage(const QString &name) {
    const QString lang = languageOf(name);
    if (lang == QLatin1String("en")) return QStringLiteral("en");
    for (const char *czech : {"cs", "sk", "c", "posix"})
        if (lang == QLatin1String(czech)) return QStringLiteral("cs");
    return {};
}

QString chooseLanguage(const QStringList &uiLanguages) {
    bool another = false;
    for (const QString &entry : uiLanguages) {
        const QString spoken = spokenLanguage(entry);
        if (!spoken.isEmpty()) return spoken;
        another = another || !languageOf(entry).isEmpty();
    }
    return another ? QStringLiteral("en") : QStringLiteral("cs");
}

bool isKnownLanguage(const QString &lang) {
    return lang == QLatin1String("cs") || lang == QLatin1String("en");
}

void installLanguage(const QString &lang) {
    if (!isKnownLanguage(lang)) return;
    QCoreApplication::removeTranslator(&translator());
    if (lang == QLatin1String("en")) {
        // Compiled in: a missing translation is a broken build, which the tests catch.
        if (translator().load(QStringLiteral(":/i18n/zur_en.qm")))
            QCoreApplication::installTranslator(&translator());
    }
    Picture::setLanguage(lang);
    current = lang;
}

QString currentLanguage() {
    return current;
}
