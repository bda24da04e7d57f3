// Any bytes as a diary file: the reader must never crash, read past the end or
// allocate for counts the bytes cannot back; and a diary it accepts must come
// back unchanged after one save and load.

#include "TDaten.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* AData, size_t AGroesse)
{
    TDaten D;
    if (!D.LoadFromBytes(QByteArray(reinterpret_cast<const char*>(AData), qsizetype(AGroesse))))
        return 0;
    QByteArray Einmal;
    if (!D.SaveToBytes(Einmal))
        return 0;  // a text too long for the format: refused, never cut
    TDaten Wieder;
    if (!Wieder.LoadFromBytes(Einmal))
        std::abort();
    QByteArray Zweimal;
    if (!Wieder.SaveToBytes(Zweimal) || Zweimal != Einmal)
        std::abort();
    return 0;
}
