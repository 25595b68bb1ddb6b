#pragma once
// The English translation file kept beside the code: every text of the game with its context.
#include <QList>
#include <QString>

struct TsEntry {
    QString context, source, translation, type;
};
QList<TsEntry> readTs(const QString &path);
QList<TsEntry> committedTs(); // translations/zur_en.ts of this source tree
