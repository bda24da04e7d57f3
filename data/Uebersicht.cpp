#include "Uebersicht.h"

#include "LuUtils.h"
#include "TDaten.h"

#include <QStringList>
#include <algorithm>

namespace {

bool ZeileZuLang(const QStringList& AZeilen)
{
    return std::any_of(AZeilen.begin(), AZeilen.end(),
                       [](const QString& Z) { return Z.size() > ZeichenProZeile[0]; });
}

// The comment on one line: line breaks become blanks, at most 184 characters
// (two wide lines less the brackets).
QString KommentarZeile(const QString& AKommentar)
{
    QString K = Gestutzt(AKommentar);
    if (K.isEmpty())
        return {};
    K.replace(QLatin1String("\r\n"), QLatin1String(" "));
    K.replace(u'\r', u' ').replace(u'\n', u' ');
    return u'[' + Gestutzt(K.left(184)) + u']';
}

}

bool BreitesFormat(const QString& AText)
{
    QString T = AText;
    T.replace(u'\f', QLatin1String("\r\n"));
    return ZeileZuLang(TextZeilen(T));
}

QString DruckText(const QString& AText)
{
    QString T = AText;
    // QString::replace goes once from left to right and does not look at what it put in.
    T.replace(QLatin1String("\r\n\f"), QLatin1String("\f"));
    T.replace(QLatin1String("\f\r\n"), QLatin1String("\f"));
    return T;
}

QList<QStringList> DruckSeiten(const QString& ADruckText, int AZeichenProZeile, int AZeilenProSeite)
{
    const int Breite = std::max(1, AZeichenProZeile);
    const int Hoehe = std::max(1, AZeilenProSeite);
    QList<QStringList> Seiten(1);
    const auto ZeileAnfuegen = [&](const QString& AZeile) {
        qsizetype Von = 0;
        do {
            if (Seiten.last().size() >= Hoehe)
                Seiten.append(QStringList());
            Seiten.last().append(AZeile.mid(Von, Breite));
            Von += Breite;
        } while (Von < AZeile.size());
    };
    QString Zeile;
    const qsizetype n = ADruckText.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = ADruckText.at(i);
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && ADruckText.at(i + 1) == u'\n')
                ++i;
            ZeileAnfuegen(Zeile);
            Zeile.clear();
        } else if (c == u'\f') {
            ZeileAnfuegen(Zeile);
            Zeile.clear();
            Seiten.append(QStringList());
        } else {
            Zeile += c;
        }
    }
    if (!Zeile.isEmpty())
        ZeileAnfuegen(Zeile);
    if (Seiten.size() > 1 && Seiten.last().isEmpty())
        Seiten.removeLast();
    return Seiten;
}

QString TDaten::TabellenStr() const
{
    const int FeldAnzahl = int(Felder.size());

    // Label column: every label is w + 1 characters wide.
    qsizetype w = 4;
    for (const QString& Name : Felder)
        w = std::max(w, Name.size());
    const QString TagLabel = QStringLiteral("Tag:") + QString(w - 3, u' ');
    QStringList Labels;
    for (const QString& Name : Felder)
        Labels << Name + QString(w - Name.size() + 1, u' ');

    // Column widths common to all days. Lines beyond the field names have no
    // label and are left out, as saving leaves them out.
    std::vector<qsizetype> Breite(size_t(MaxTagDatenCount()), 0);
    for (const auto& T : Liste) {
        for (int q = 0; q < T->Count(); ++q) {
            const QStringList& Sl = T->TagDaten[q];
            for (int r = 0; r < std::min(FeldAnzahl, int(Sl.size())); ++r)
                Breite[size_t(q)] = std::max(Breite[size_t(q)], Sl[r].size());
        }
    }

    QStringList Zeilen;
    Zeilen.reserve(qsizetype(Count()) * (FeldAnzahl + 3));
    for (int i = Count() - 1; i >= 0; --i) {
        const TTag& T = Tag(i);
        Zeilen << Gestutzt(TagLabel + DatumText(T.Datum));
        if (T.Count() > 0) {
            for (int r = 0; r < FeldAnzahl; ++r) {
                QString Zeile = Labels[r];
                for (int q = 0; q < T.Count(); ++q) {
                    Zeile += T.TagDaten[q].value(r).rightJustified(Breite[size_t(q)], u' ');
                    if (q < T.Count() - 1)
                        Zeile += QLatin1String(" | ");
                }
                Zeilen << Gestutzt(Zeile);
            }
        }
        const QString K = KommentarZeile(T.Kommentar);
        if (!K.isEmpty())
            Zeilen << K;
        Zeilen << QString();
    }

    // Page breaks replace the last empty line, so they fall between days.
    const int F = ZeileZuLang(Zeilen) ? 1 : 0;
    const qsizetype Z = ZeichenProZeile[F];
    const int S = ZeilenProSeite[F];
    QStringList Seiten;
    Seiten.reserve(Zeilen.size() + Zeilen.size() / S + 1);
    int n = 1;
    qsizetype b = -1;  // the last empty line not yet used for a break
    for (const QString& Zeile : std::as_const(Zeilen)) {
        Seiten << Zeile;
        if (Zeile.isEmpty())
            b = Seiten.size() - 1;
        else if (Zeile.size() > Z)
            ++n;
        if (n > S) {
            // A day longer than a page has no empty line to use: the break goes
            // before the current line and never replaces a line that holds text.
            if (b >= 0)
                Seiten[b] = QStringLiteral("\f");
            else
                Seiten.insert(Seiten.size() - 1, QStringLiteral("\f"));
            b = -1;
            n = 0;
        }
        ++n;
    }

    qsizetype Laenge = 0;
    for (const QString& Zeile : std::as_const(Seiten))
        Laenge += Zeile.size() + 2;
    QString Text;
    Text.reserve(Laenge);
    for (const QString& Zeile : std::as_const(Seiten)) {
        Text += Zeile;
        Text += QLatin1String("\r\n");
    }
    return Gestutzt(Text) + QLatin1String("\r\n");
}
