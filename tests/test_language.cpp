// The player's language: the one the desktop asks for, an English translation that is complete and in
// step with the code, and English wherever the player looks when the game runs in English.
#include "support/game.h"
#include "support/harness.h"
#include "support/translations.h"

#include "game/form1.h"
#include "game/language.h"
#include "game/options.h"
#include "game/scene.h"
#include "runtime/picture.h"
#include "scenes/broucek.h"
#include "scenes/form3.h"
#include "scenes/form4.h"
#include "shell/credits.h"
#include "shell/dopisek.h"
#include "shell/first.h"
#include "shell/form2.h"
#include "shell/intro.h"
#include "shell/load.h"
#include "shell/menu.h"
#include "shell/onetwo.h"
#include "world/citymap.h"

#include <QAction>
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

QSet<QString> statusTexts(bool english) {
    QSet<QString> out;
    for (const TsEntry &e : committedTs())
        if (e.context == "Status") out.insert(english ? e.translation : e.source);
    return out;
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
    void desktopLanguages_data();
    void desktopLanguages();
    void everyTextHasAFinishedTranslation();
    void translationFileIsInStepWithTheCode();
    void letterIsEnglishInEnglish();
    void everyCaptionOnScreenIsEnglish();
    void hoverTextsComeFromTheTranslationFile();

  private:
    Harness *h = nullptr;
};

// The desktop's preferred languages, and the same names given to --lang ("" where it refuses one).
void TestLanguage::desktopLanguages_data() {
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("byOption");
    auto row = [](const char *name, const QStringList &langs, const char *chosen, const char *byOption) {
        QTest::newRow(name) << langs << QString(chosen) << QString(byOption);
    };
    row("Czech", {"cs-CZ", "cs-Latn-CZ", "cs"}, "cs", "cs");
    row("Slovak", {"sk-SK", "sk-Latn-SK", "sk"}, "cs", "cs");
    row("British English", {"en-GB", "en-Latn-GB", "en"}, "en", "en");
    row("German", {"de-DE", "de-Latn-DE", "de"}, "en", "");
    row("French", {"fr"}, "en", "");
    row("C", {"C"}, "cs", "cs");
    row("POSIX", {"POSIX"}, "cs", "cs");
    row("C.UTF-8", {"C.UTF-8"}, "cs", "cs");
    row("no language", {}, "cs", "");
    row("en", {"en"}, "en", "en");
    row("EN", {"EN"}, "en", "en");
    row("en_GB", {"en_GB"}, "en", "en");
    row("cs_CZ.UTF-8", {"cs_CZ.UTF-8"}, "cs", "cs");
    row("EN_us.UTF-8", {"EN_us.UTF-8"}, "en", "en");
    row("English before Czech", {"en-GB", "cs"}, "en", "");
    row("Czech before English", {"cs", "en-US"}, "cs", "");
    row("German, then Czech", {"de", "cs", "en"}, "cs", "");
    row("empty entries", {"", "en"}, "en", "");
}

void TestLanguage::desktopLanguages() {
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, chosen);
    QFETCH(QString, byOption);
    QCOMPARE(chooseLanguage(uiLanguages), chosen);
    if (uiLanguages.size() != 1) return;
    const Options o = parseOptions({"zur-ev-edivu", "--lang", uiLanguages.first()});
    QCOMPARE(o.lang, byOption);
    QCOMPARE(o.error.isEmpty(), !byOption.isEmpty());
}

// Every Czech text of the game has a finished English one, and the translator built into the program
// gives exactly that English.
void TestLanguage::everyTextHasAFinishedTranslation() {
    QVERIFY(!isKnownLanguage("de"));
    QVERIFY(!isKnownLanguage(""));
    const QList<TsEntry> entries = committedTs();
    QVERIFY(entries.size() > 150);
    installLanguage("de"); // unknown: Czech stays
    QCOMPARE(currentLanguage(), QString("cs"));
    installLanguage("en");
    QCOMPARE(currentLanguage(), QString("en"));
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
    installLanguage("cs");
    QCOMPARE(currentLanguage(), QString("cs"));
    const TsEntry &any = entries.first();
    QCOMPARE(QCoreApplication::translate(qPrintable(any.context), any.source.toUtf8().constData()),
             any.source);
}

// The file lists exactly the texts the code marks: a new or changed Czech text in the code that is
// not in the file yet (or one the code no longer has) fails here.
void TestLanguage::translationFileIsInStepWithTheCode() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
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

// The letter carries the clue to the villa: in English the viewer shows its English twin, while the
// picture stays the same one for the game.
void TestLanguage::letterIsEnglishInEnglish() {
    const QString letter = Pictures::ui("letter");
    QCOMPARE(Picture::resolve(letter), letter);
    dopisek *czech = Windows::show<dopisek>();
    const QImage czechShown = czech->Image1->grab().toImage();
    Windows::unload(czech);

    installLanguage("en");
    QCOMPARE(Picture::resolve(letter), Pictures::ui("letter.en"));
    QCOMPARE(Picture::resolve(Pictures::ui("map_thumb")), Pictures::ui("map_thumb")); // no twin: the original
    dopisek *english = Windows::show<dopisek>();
    QCOMPARE(english->Image1->Picture(), letter);
    QCOMPARE(Picture::naturalSize(letter), Picture::naturalSize(Pictures::ui("letter.en")));
    const QImage englishShown = english->Image1->grab().toImage();
    QCOMPARE(englishShown.size(), czechShown.size());
    QVERIFY(englishShown != czechShown);
}

// Every window of the game in English: no label, button, menu entry or result box still speaks Czech.
void TestLanguage::everyCaptionOnScreenIsEnglish() {
    installLanguage("en");
    openEveryWindow();
    showMessage(QString::fromUtf8("Odemkl jsi dveře"));
    Broucek *beetle = Windows::find<Broucek>();
    h->advance(36); // the conversations show their first lines
    beetle->Timer2_Timer();
    QStringList czech;
    int seen = 0;
    for (GameWindow *w : Windows::open()) {
        QStringList texts;
        for (QLabel *l : w->findChildren<QLabel *>())
            texts << l->text();
        for (QAbstractButton *b : w->findChildren<QAbstractButton *>())
            texts << b->text();
        for (QAction *a : w->findChildren<QAction *>())
            texts << a->text();
        for (const QString &t : texts) {
            seen += !t.isEmpty();
            if (hasCzechLetters(t)) czech << w->objectName() + ": " + t;
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
void TestLanguage::hoverTextsComeFromTheTranslationFile() {
    for (bool english : {false, true}) {
        installLanguage(english ? "en" : "cs");
        Form1 *form = Windows::show<Form1>();
        const QSet<QString> allowed = statusTexts(english);
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
        // In English the status line names each place as its label on the map does.
        const CityMap &m = *form->citymap;
        for (auto [place, label] :
             {std::pair{m.Image22, m.ps}, {m.Image23, m.hrad}, {m.Image24, m.bar}, {m.Image25, m.vila}}) {
            place->onMouseMove();
            if (english) QCOMPARE(form->Label1->Caption(), label->Caption());
        }
        Windows::unload(form);
        Harness::settle();
    }
}

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
