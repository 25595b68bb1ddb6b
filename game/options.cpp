#include "game/options.h"

#include "game/language.h"

#include <QCommandLineParser>

namespace {
void describe(QCommandLineParser &p) {
    p.setApplicationDescription("Zur ev Edivu, a point-and-click adventure.");
    p.addOption({"scale",
                 "Size of the game's windows, from 1 to 4 (for example 1.5). Without it the game "
                 "picks a size that fits the screen.",
                 "F"});
    p.addOption({"lang",
                 "Language of the game: cs or en, spelt as a locale too (en_GB, cs_CZ.UTF-8). Without it the "
                 "desktop's languages decide.",
                 "LANG"});
    p.addOption({{"h", "help"}, "Show this help and quit."});
    p.addOption({{"v", "version"}, "Show the version and quit."});
}
} // namespace

Options parseOptions(const QStringList &arguments) {
    QCommandLineParser p;
    describe(p);
    Options o;
    if (!p.parse(arguments)) {
        o.error = p.errorText();
        return o;
    }
    if (!p.positionalArguments().isEmpty()) {
        o.error = QStringLiteral("unexpected argument '%1'").arg(p.positionalArguments().first());
        return o;
    }
    o.help = p.isSet("help");
    o.version = p.isSet("version");
    if (p.isSet("scale")) {
        bool ok = false;
        const qreal f = p.value("scale").toDouble(&ok);
        if (!ok || !(f >= 1 && f <= 4)) {
            o.error = QStringLiteral("--scale takes a number from 1 to 4, not '%1'").arg(p.value("scale"));
            return o;
        }
        o.scale = f;
    }
    if (p.isSet("lang")) {
        o.lang = spokenLanguage(p.value("lang"));
        if (o.lang.isEmpty()) {
            o.error = QStringLiteral("--lang takes cs or en, not '%1'").arg(p.value("lang"));
            return o;
        }
    }
    return o;
}

QString helpText() {
    QCommandLineParser p;
    describe(p);
    return p.helpText().replace("<executable_name>", "zur-ev-edivu");
}

QString versionText() {
    return QStringLiteral("zur-ev-edivu " ZUR_VERSION);
}
