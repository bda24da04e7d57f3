#include "TTag.h"

#include "Plattform.h"

QStringList TextZeilen(const QString& AText)
{
    QStringList Zeilen;
    const QChar* p = AText.constData();
    const QChar* Ende = p + AText.size();
    const QChar* Anfang = p;
    while (p < Ende) {
        const char16_t c = p->unicode();
        if (c == u'\0')
            break;
        if (c == u'\r' || c == u'\n') {
            Zeilen.append(QString(Anfang, p - Anfang));
            if (c == u'\r' && p + 1 < Ende && p[1] == u'\n')
                ++p;
            Anfang = ++p;
            continue;
        }
        ++p;
    }
    if (p > Anfang)
        Zeilen.append(QString(Anfang, p - Anfang));
    return Zeilen;
}

QString ZeilenText(const QStringList& AZeilen)
{
    qsizetype Laenge = 0;
    for (const QString& Zeile : AZeilen)
        Laenge += Zeile.size() + 2;
    QString Text;
    Text.reserve(Laenge);
    for (const QString& Zeile : AZeilen) {
        Text += Zeile;
        Text += QLatin1String("\r\n");
    }
    return Text;
}

namespace {
// Copying an entry goes through its text; a list whose lines hold no break
// comes back unchanged, so it can be copied as it is.
QStringList EintragKopie(const QStringList& Sl)
{
    for (const QString& Zeile : Sl) {
        for (QChar c : Zeile) {
            if (c == u'\r' || c == u'\n' || c == u'\0')
                return TextZeilen(ZeilenText(Sl));
        }
    }
    return Sl;
}
}

TTag::TTag()
    : Datum(Plattform().Heute())
{
}

TTag::TTag(int ADatum)
    : Datum(ADatum)
{
}

TTag::TTag(const TTag& ATag)
    : Datum(ATag.Datum)
    , Kommentar(ATag.Kommentar)
{
    TagDaten.reserve(ATag.TagDaten.size());
    for (const QStringList& Sl : ATag.TagDaten)
        Add(Sl);
}

TTag& TTag::operator=(const TTag& ATag)
{
    if (this != &ATag)
        Assign(ATag);
    return *this;
}

void TTag::Add(const QStringList& Sl)
{
    TagDaten.append(EintragKopie(Sl));
}

void TTag::Add(const QString& S)
{
    TagDaten.append(TextZeilen(S));
}

void TTag::Assign(const TTag& ATag)
{
    if (this == &ATag)
        return;
    Clear();
    Datum = ATag.Datum;
    Kommentar = ATag.Kommentar;
    for (const QStringList& Sl : ATag.TagDaten)
        Add(Sl);
}

void TTag::Clear()
{
    Datum = Plattform().Heute();
    Kommentar.clear();
    TagDaten.clear();
}

void TTag::Delete(int ANr)
{
    if (ANr >= 0 && ANr < Count())
        TagDaten.removeAt(ANr);
}

void TTag::Insert(const QStringList& Sl, int ANr)
{
    if (ANr < 0)
        return;
    if (ANr >= Count())
        Add(Sl);
    else
        TagDaten.insert(ANr, EintragKopie(Sl));
}

bool TTag::Ident(const TTag& ATag) const
{
    if (Datum != ATag.Datum || Kommentar != ATag.Kommentar || Count() != ATag.Count())
        return false;
    for (int i = 0; i < Count(); ++i) {
        // Equal lines give equal texts; only lines holding breaks can differ as
        // lists and still be equal as texts.
        if (TagDaten[i] != ATag.TagDaten[i] && ZeilenText(TagDaten[i]) != ZeilenText(ATag.TagDaten[i]))
            return false;
    }
    return true;
}

void TTag::MaxTagDaten(int Max)
{
    for (QStringList& Sl : TagDaten) {
        while (Sl.size() > Max)
            Sl.removeLast();
    }
}

void TTag::MinTagDaten(int Min)
{
    for (QStringList& Sl : TagDaten) {
        while (Sl.size() < Min)
            Sl.append(QString());
    }
}
