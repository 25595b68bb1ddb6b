// The player's language: the one the desktop asks for, an English translation that is complete and in
// step with the code, and English wherever the player looks when the game runs in English.
#include "support/game.h"
#include "support/harness.h"
#include "support/translations.h"

#include "game/form1.h"
#include "game/language.h"
#include "scenes/broucek.h"
#include "shell/form2.h"

#include <QMessageBox>
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
    void init() { h = new Harness; }
    void cleanup() {
        installLanguage("cs");
        delete h;
        h = nullptr;
    }
    // The desktop's preferred languages and the language the game speaks.
    void desktopLanguages_data() {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("chosen");
        auto row = [](const char *name, const QStringList &langs, const char *chosen) {
            QTest::newRow(name) << langs << QString(chosen);
        };
        row("Czech", {"cs-CZ", "cs-Latn-CZ", "cs"}, "cs");
        row("Slovak", {"sk-SK", "sk-Latn-SK", "sk"}, "cs");
        row("British English", {"en-GB", "en-Latn-GB", "en"}, "en");
        row("German", {"de-DE", "de-Latn-DE", "de"}, "en");
        row("C", {"C"}, "cs");
        row("no language", {}, "cs");
        row("EN_us.UTF-8", {"EN_us.UTF-8"}, "en");
        row("English before Czech", {"en-GB", "cs"}, "en");
        row("German, then Czech", {"de", "cs", "en"}, "cs");
        row("empty entries", {"", "en"}, "en");
    }
    void desktopLanguages() {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, chosen);
        QCOMPARE(chooseLanguage(uiLanguages), chosen);
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
    // Every window of the game in English: no label, button, menu entry or result box still speaks Czech.
    void everyCaptionOnScreenIsEnglish() {
        installLanguage("en");
        openEveryWindow();
        showMessage(QString::fromUtf8("Odemkl jsi dveře"));
        Broucek *beetle = Windows::find<Broucek>();
        h->advance(36); // the conversations show their first lines
        beetle->Timer2_Timer();
        QStringList czech;
        int seen = 0;
        for (GameWindow *w : Windows::open()) {
            for (QObject *o : w->findChildren<QObject *>()) { // labels, buttons, menu entries, boxes
                const QString t = o->property("text").toString();
                seen += !t.isEmpty();
                if (hasCzechLetters(t)) czech << w->objectName() + "/" + o->objectName() + ": " + t;
            }
        }
        QVERIFY(seen > 30);
        QVERIFY2(czech.isEmpty(), qPrintable(czech.join('\n')));
        auto *result = beetle->findChild<QMessageBox *>("result");
        QVERIFY(result);
        QCOMPARE(result->text(), QString("You're dead: you didn't squash the bug in time"));
        QCOMPARE(beetle->windowTitle(), QString("Squash the Bug"));
    }
    // Every hover text of the game window, in its state at the start, is one of the file's status texts:
    // the Czech original in Czech, its translation in English. A text written to the status line without
    // the mark never reaches the file and fails here.
    void hoverTextsComeFromTheTranslationFile() {
        for (bool english : {false, true}) {
            installLanguage(english ? "en" : "cs");
            Form1 *form = Windows::show<Form1>();
            QSet<QString> allowed; // the Czech original in Czech, its translation in English
            for (const TsEntry &e : committedTs())
                if (e.context == "Status") allowed.insert(english ? e.translation : e.source);
            QStringList strays;
            int hovers = 0;
            for (Control *c : form->findChildren<Control *>()) {
                if (!c->onMouseMove) continue;
                form->Label1->setCaption(QString());
                c->onMouseMove();
                const QString text = form->Label1->Caption();
                if (text.isEmpty()) continue;
                ++hovers;
                if (!allowed.contains(text)) strays << c->objectName() + ": " + text;
            }
            QVERIFY(hovers > 80);
            QVERIFY2(strays.isEmpty(), qPrintable(strays.join('\n')));
            Windows::unload(form);
            Harness::settle();
        }
    }

  private:
    Harness *h = nullptr;
};

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
