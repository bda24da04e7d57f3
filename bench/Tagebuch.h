#pragma once
// A diary of the size the benchmarks ask for: N days of 6 entries × 10 fields
// and a 40-character comment.

#include "TDaten.h"

inline TDaten GrossesTagebuch(int ATage)
{
    TDaten D;
    for (int f = 0; f < 10; ++f)
        D.Felder << QStringLiteral("Feld %1").arg(f + 1);
    TDaten Roh;  // filled without Add's padding, then copied in one pass
    Roh.Felder = D.Felder;
    for (int i = 0; i < ATage; ++i) {
        TTag T(42005 + i);
        T.Kommentar = QStringLiteral("Kommentar zum Tag %1, etwas länger.").arg(i, 6).leftJustified(40, u'.');
        for (int e = 0; e < 6; ++e) {
            QStringList Sl;
            for (int f = 0; f < 10; ++f)
                Sl << QString::number((i * 7 + e * 13 + f * 31) % 400);
            T.TagDaten << Sl;
        }
        Roh.Liste.push_back(std::make_unique<TTag>(std::move(T)));
    }
    D.Assign(Roh);
    return D;
}
