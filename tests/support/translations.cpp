#include "support/translations.h"

#include <QFile>
#include <QXmlStreamReader>

QList<TsEntry> readTs(const QString &path) {
    QList<TsEntry> out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return out;
    QXmlStreamReader xml(&file);
    QString context;
    TsEntry entry;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            entry = {context, xml.readElementText(), {}, {}};
        } else if (xml.name() == u"translation") {
            entry.type = xml.attributes().value("type").toString();
            entry.translation = xml.readElementText();
            out.append(entry);
        }
    }
    return out;
}

QList<TsEntry> committedTs() {
    return readTs(QStringLiteral(ZUR_SOURCE_DIR "/translations/zur_en.ts"));
}
