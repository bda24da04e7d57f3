#pragma once
// The report text built the plain way: a list of lines, trimmed one by one, page breaks put into
// the list, joined at the end. Slow, but written straight from the rules, so that the report
// builder can be held to it byte for byte.

#include "LuUtils.h"
#include "TDaten.h"
#include "Uebersicht.h"

#include <QStringList>
#include <algorithm>
#include <vector>

inline QString TabelleZeilenweise(const TDaten& D)
{
    const auto KommentarZeile = [](const QString& AKommentar) {
        QString K = Gestutzt(AKommentar);
        if (K.isEmpty())
            return QString();
        K.replace(QLatin1String("\r\n"), QLatin1String(" "));
        K.replace(u'\r', u' ').replace(u'\n', u' ');
        return u'[' + Gestutzt(K.left(184)) + u']';
    };
    const int FeldAnzahl = int(D.Felder.size());
    qsizetype w = 4;
    for (const QString& Name : D.Felder)
        w = std::max(w, Name.size());
    const QString TagLabel = QStringLiteral("Tag:") + QString(w - 3, u' ');
    QStringList Labels;
    for (const QString& Name : D.Felder)
        Labels << Name + QString(w - Name.size() + 1, u' ');

    std::vector<qsizetype> Breite(size_t(D.MaxTagDatenCount()), 0);
    for (int i = 0; i < D.Count(); ++i) {
        const TTag& T = D.Tag(i);
        for (int q = 0; q < T.Count(); ++q) {
            const QStringList& Sl = T.TagDaten[q];
            for (int r = 0; r < std::min(FeldAnzahl, int(Sl.size())); ++r)
                Breite[size_t(q)] = std::max(Breite[size_t(q)], Sl[r].size());
        }
    }

    QStringList Zeilen;
    for (int i = D.Count() - 1; i >= 0; --i) {
        const TTag& T = D.Tag(i);
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

    const bool BreitS
        = std::any_of(Zeilen.begin(), Zeilen.end(), [](const QString& Z) { return Z.size() > ZeichenProZeile[0]; });
    const qsizetype Z = ZeichenProZeile[BreitS ? 1 : 0];
    const int S = ZeilenProSeite[BreitS ? 1 : 0];
    QStringList Seiten;
    int n = 1;
    qsizetype b = -1;
    for (const QString& Zeile : std::as_const(Zeilen)) {
        Seiten << Zeile;
        if (Zeile.isEmpty())
            b = Seiten.size() - 1;
        else if (Zeile.size() > Z)
            ++n;
        if (n > S) {
            if (b >= 0)
                Seiten[b] = QStringLiteral("\f");
            else
                Seiten.insert(Seiten.size() - 1, QStringLiteral("\f"));
            b = -1;
            n = 0;
        }
        ++n;
    }
    QString Text;
    for (const QString& Zeile : std::as_const(Seiten))
        Text += Zeile + QLatin1String("\r\n");
    return Gestutzt(Text) + QLatin1String("\r\n");
}
