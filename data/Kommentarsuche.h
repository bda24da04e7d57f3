#pragma once
// The comment search without its window: which days hold a text in their comment.

#include <QList>
#include <QString>

class TDaten;

// The indexes of the days whose comment holds AMuster, oldest day first;
// GenauS: upper and lower case differ.
QList<int> KommentarTreffer(const TDaten& ADaten, const QString& AMuster, bool GenauS);
