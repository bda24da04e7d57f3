#include "LuUtils.h"

#include <QDir>
#include <QLocale>
#include <QStandardPaths>

namespace {
const QDate Nulltag(1899, 12, 30);
}

QDate TagZuDatum(int ATag)
{
    return Nulltag.addDays(ATag);
}

int DatumZuTag(const QDate& ADatum)
{
    return int(Nulltag.daysTo(ADatum));
}

TDatumsnamen DeutscheDatumsnamen()
{
    const QLocale Deutsch(QLocale::German, QLocale::Germany);
    TDatumsnamen Namen;
    for (int i = 0; i < 7; ++i) {
        // Qt counts Monday = 1 … Sunday = 7; the table starts on Sunday.
        Namen.KurzTag[i] = Deutsch.dayName(i == 0 ? 7 : i, QLocale::ShortFormat);
    }
    for (int i = 0; i < 12; ++i) {
        Namen.KurzMonat[i] = Deutsch.monthName(i + 1, QLocale::ShortFormat);
        Namen.LangMonat[i] = Deutsch.monthName(i + 1, QLocale::LongFormat);
    }
    return Namen;
}

TDatumsnamen& Datumsnamen()
{
    static TDatumsnamen Namen = DeutscheDatumsnamen();
    return Namen;
}

void DatumsnamenAnpassen(TDatumsnamen& ANamen)
{
    const QLocale Deutsch(QLocale::German, QLocale::Germany);
    for (QString& Name : ANamen.KurzTag) {
        if (!Name.isEmpty() && Name.endsWith(u'.'))
            Name.chop(1);
    }
    for (QString& Name : ANamen.KurzMonat) {
        const QString Gross = Deutsch.toUpper(Name);
        if (Gross == u"JAN")
            Name = QStringLiteral("Jän");
        else if (Gross == u"MRZ")
            Name = QStringLiteral("Mär");
    }
    for (QString& Name : ANamen.LangMonat) {
        if (Deutsch.toUpper(Name) == u"JANUAR") {
            Name = QStringLiteral("Jänner");
            break;
        }
    }
}

void DatumsnamenAnpassen()
{
    DatumsnamenAnpassen(Datumsnamen());
}

QString DatumText(int ATag)
{
    const QDate D = TagZuDatum(ATag);
    const TDatumsnamen& Namen = Datumsnamen();
    // dayOfWeek: Monday = 1 … Sunday = 7; the table starts on Sunday.
    return Namen.KurzTag[D.dayOfWeek() % 7] + QLatin1String("., ")
        + QString::number(D.day()).rightJustified(2, u'0') + QLatin1String(". ")
        + Namen.LangMonat[D.month() - 1] + u' '
        + QString::number(D.year()).rightJustified(4, u'0');
}

namespace {
QString MitTrenner(const QString& AOrdner)
{
    QString Ordner = QDir::toNativeSeparators(AOrdner);
    if (!Ordner.endsWith(QDir::separator()))
        Ordner += QDir::separator();
    return Ordner;
}
}

QString TempOrdner()
{
    return MitTrenner(QDir::tempPath());
}

QString SpezialOrdner(int ANr)
{
    if (ANr != CSIDL_PERSONAL)
        return {};
    const QString Ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return Ordner.isEmpty() ? QString() : MitTrenner(Ordner);
}
