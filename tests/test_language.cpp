// The player's language: the one the desktop asks for, and an English translation that is complete and
// in step with the code (test_fit finds a hover text not in the file and what still speaks Czech in the
// English windows).
#include "support/harness.h"
#include "support/translations.h"

#include "game/language.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {
// Letters that only Czech uses: an "English" text with one of them has not been translated.
bool hasCzechLetters(const QString &text) {
    static const QRegularExpression czech(QString::fromUtf8("[áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ]"));
    return text.contains(czech);
}
} // namespace

class TestLanguage : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { installLanguage("cs"); }
    // The desktop's preferred languages, "=" the one the game speaks: Czech, Slovak, British English, German,
    // C, none at all, a locale's name, English before Czech, German then Czech, an empty entry.
    void desktopLanguages_data() {
        QTest::addColumn<QString>("row");
        for (const char *row : {"cs-CZ,cs-Latn-CZ,cs=cs", "sk-SK,sk-Latn-SK,sk=cs", "en-GB,en-Latn-GB,en=en",
                                "de-DE,de-Latn-DE,de=en", "C=cs", "=cs", "EN_us.UTF-8=en", "en-GB,cs=en",
                                "de,cs,en=cs", ",en=en"})
            QTest::newRow(row) << QString(row);
    }
    void desktopLanguages() {
        QFETCH(QString, row);
        const QString langs = row.section('=', 0, 0);
        QCOMPARE(chooseLanguage(langs.isEmpty() ? QStringList() : langs.split(',')), row.section('=', 1));
    }
    // Every Czech text of the game has a finished English one, and the translator built into the program
    // gives exactly that English.
    void everyTextHasAFinishedTranslation() {
        const QList<TsEntry> entries = committedTs();
        QVERIFY(entries.size() > 150);
        installLanguage("en");
        QStringList faults;
        for (const TsEntry &e : entries) {
            const QString where = e.context + ": " + e.source;
            if (!e.type.isEmpty()) faults << where + " is " + e.type;
            if (e.translation.trimmed().isEmpty()) faults << where + " has no English";
            if (hasCzechLetters(e.translation)) faults << where + " is still Czech: " + e.translation;
            if (e.translation != e.translation.trimmed()) faults << where + " has stray spaces in English";
            const QString shown =
                QCoreApplication::translate(qPrintable(e.context), e.source.toUtf8().constData());
            if (shown != e.translation) faults << where + " is shown as: " + shown;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }
    // The file lists exactly the texts the code marks: a new or changed Czech text in the code that is
    // not in the file yet (or one the code no longer has) fails here.
    void translationFileIsInStepWithTheCode() {
        QTemporaryDir dir;
        const QString fresh = dir.filePath("fresh.ts");
        QProcess lupdate;
        lupdate.setWorkingDirectory(ZUR_SOURCE_DIR);
        lupdate.start(ZUR_LUPDATE, {"-silent", "-locations", "none", "-no-obsolete", "-source-language", "cs",
                                    "runtime", "game", "world", "scenes", "shell", "-ts", fresh});
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
        auto keys = [](const QList<TsEntry> &entries) {
            QSet<QString> out;
            for (const TsEntry &e : entries)
                out.insert(e.context + " | " + e.source);
            return out;
        };
        const QSet<QString> inCode = keys(readTs(fresh)), inFile = keys(committedTs());
        QVERIFY(!inCode.isEmpty());
        QStringList faults;
        for (const QString &k : inCode - inFile)
            faults << "not in translations/zur_en.ts: " + k;
        for (const QString &k : inFile - inCode)
            faults << "no longer in the code: " + k;
        faults.sort();
        QVERIFY2(faults.isEmpty(),
                 qPrintable(faults.join('\n') + "\n(update_translations brings the file up to date)"));
    }
};

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
