// The fonts the game was designed with map to free fonts that carry every letter the game shows.
#include "support/harness.h"

#include <QDirIterator>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRegularExpression>

namespace {
// Every character inside a string literal of the game's sources: all its texts are literals there.
QSet<char32_t> charactersOfTheGame() {
    QSet<char32_t> chars;
    const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
    for (const char *dir : {"game", "world", "scenes", "shell"}) {
        QDirIterator it(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../") + dir, {"*.cpp", "*.h"}, QDir::Files);
        while (it.hasNext()) {
            QFile f(it.next());
            if (!f.open(QIODevice::ReadOnly)) continue;
            const QString text = QString::fromUtf8(f.readAll());
            for (auto m = literal.globalMatch(text); m.hasNext();)
                for (char32_t c : m.next().captured(1).toUcs4())
                    if (c >= 0x20) chars.insert(c);
        }
    }
    return chars;
}
} // namespace

class TestFonts : public QObject {
    Q_OBJECT
  private slots:
    void designFontsResolveToFreeFonts_data() {
        QTest::addColumn<QString>("designed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("comic") << "Comic Sans MS"
                               << "Comic Neue";
        QTest::newRow("ms sans serif") << "MS Sans Serif"
                                       << "Liberation Sans";
        QTest::newRow("arial") << "Arial"
                               << "Liberation Sans";
    }
    void designFontsResolveToFreeFonts() {
        QFETCH(QString, designed);
        QFETCH(QString, expected);
        Harness h;
        QCOMPARE(QFontInfo(designFont(designed, 12, true)).family(), expected);
    }
    void everyTextRendersWithoutMissingGlyphs() {
        Harness h;
        const QSet<char32_t> chars = charactersOfTheGame();
        QVERIFY2(chars.contains(U'ř') && chars.contains(U'ů'), "the game's Czech texts were not found");
        for (const char *family : {"Comic Sans MS", "MS Sans Serif", "Arial"}) {
            QFontMetrics fm(designFont(family, 12, true));
            QStringList missing;
            for (char32_t c : chars)
                if (!fm.inFontUcs4(c)) missing << QString::fromUcs4(&c, 1);
            QVERIFY2(missing.isEmpty(), qPrintable(QString("%1 lacks %2").arg(family, missing.join(' '))));
        }
    }
};

QTEST_MAIN(TestFonts)
#include "test_fonts.moc"
