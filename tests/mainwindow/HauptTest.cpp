#include "HauptTest.h"

#include "LuLayout.h"

void THauptTest::Anfangen()
{
    EinstellungenLeeren();
    P = std::make_unique<TFakePlattform>(42009);
    if (FSchriftS)
        Benutzerschrift() = TSchriftart{QFont(QStringLiteral("Liberation Sans"), 12), Qt::black};
    if (FFensterS)
        F = std::make_unique<TForm1>();
}

void THauptTest::Aufhoeren()
{
    F.reset();
    P.reset();
}
