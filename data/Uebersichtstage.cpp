#include "Uebersichtstage.h"

TDaten Uebersichtstage(const TDaten& ADaten, int ATagIndex, TUebersichtArt AArt)
{
    TDaten Auswahl;
    Auswahl.Felder = ADaten.Felder;
    const TTag& Tag = ADaten.Tag(ATagIndex);
    switch (AArt) {
    case TUebersichtArt::Tag:
        Auswahl.Add(Tag);
        break;
    case TUebersichtArt::Woche: {
        const int Montag = Wochenmontag(Tag.Datum);
        for (int i = 0; i < ADaten.Count(); ++i) {
            if (ADaten.Tag(i).Datum >= Montag && ADaten.Tag(i).Datum <= Montag + 6)
                Auswahl.Add(ADaten.Tag(i));
        }
        break;
    }
    case TUebersichtArt::Alle:
        Auswahl.Assign(ADaten);
        break;
    }
    return Auswahl;
}
