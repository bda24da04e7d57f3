#include "Kommentarsuche.h"

#include "TDaten.h"

QList<int> KommentarTreffer(const TDaten& ADaten, const QString& AMuster, bool GenauS)
{
    // Upper-cased by German rules, so ä finds Ä and strasse finds Straße. They are
    // Unicode's own mapping, which QString applies without the locale's slower round trip.
    const QString Muster = GenauS ? AMuster : AMuster.toUpper();
    QList<int> Treffer;
    for (int i = 0; i < ADaten.Count(); ++i) {
        const QString& Kommentar = ADaten.Tag(i).Kommentar;
        if ((GenauS ? Kommentar.contains(Muster) : Kommentar.toUpper().contains(Muster)))
            Treffer << i;
    }
    return Treffer;
}
