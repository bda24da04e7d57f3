#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// An entry holds one line per field; an entry's text is its lines, each followed by CR LF.
using TTagDaten = QList<QStringList>;

// The lines of a text, cut at CR LF, lone CR or lone LF; a final break adds no
// empty line, and a NUL ends the text.
QStringList TextZeilen(const QString& AText);
// The lines joined, each followed by CR LF.
QString ZeilenText(const QStringList& AZeilen);

// One day of the diary: its date, its comment and its entries.
class TTag {
public:
    int Datum;
    QString Kommentar;
    TTagDaten TagDaten;

    TTag();  // dated today, no comment, no entries
    explicit TTag(int ADatum);  // dated ADatum, no comment, no entries
    TTag(const TTag& ATag);  // a deep copy
    TTag(TTag&&) = default;
    TTag& operator=(const TTag& ATag);
    TTag& operator=(TTag&&) = default;

    int Count() const { return int(TagDaten.size()); }
    void Add(const QStringList& Sl);
    void Add(const QString& S);
    void Assign(const TTag& ATag);
    void Clear();
    void Delete(int ANr);
    void Insert(const QStringList& Sl, int ANr);
    bool Ident(const TTag& ATag) const;
    void MaxTagDaten(int Max);
    void MinTagDaten(int Min);
};
