#include "LuLayout.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTextEdit>
#include <QWidget>
#include <algorithm>
#include <cmath>

int SchalterHoehe(const QFont& AFont, TSteuerArt AArt)
{
    // One line of "M" as a label sized to its text takes it: the font's line height.
    const int M = QFontMetrics(AFont).height();
    switch (AArt) {
    case TSteuerArt::Edit:
    case TSteuerArt::Kontrollkaestchen:
        return M + 8;
    case TSteuerArt::Knopf:
        return M + 12;
    case TSteuerArt::Statusleiste:
        return M + 6;
    case TSteuerArt::Sonstige:
        break;
    }
    return M;
}

int Farbzeile(const QColor& AFarbe)
{
    for (size_t i = 0; i < Farbliste.size(); ++i) {
        if (QColor(Farbliste[i].Farbe) == QColor(AFarbe.rgb()))
            return int(i);
    }
    return -1;
}

QString Farbname(const QColor& AFarbe)
{
    const int Zeile = Farbzeile(AFarbe);
    return Zeile >= 0 ? QString::fromUtf16(Farbliste[size_t(Zeile)].Name) : AFarbe.name(QColor::HexRgb).toUpper();
}

double Kontrast(const QColor& A, const QColor& B)
{
    const auto Leuchtdichte = [](const QColor& F) {
        const auto Kanal = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * Kanal(F.redF()) + 0.7152 * Kanal(F.greenF()) + 0.0722 * Kanal(F.blueF());
    };
    const double La = Leuchtdichte(A), Lb = Leuchtdichte(B);
    return (std::max(La, Lb) + 0.05) / (std::min(La, Lb) + 0.05);
}

quint32 FarbCode(const TSchriftart& ASchrift)
{
    if (ASchrift.Systemfarbe != 0)
        return ASchrift.Systemfarbe;
    const QColor& F = ASchrift.Farbe;
    return quint32(F.red()) | quint32(F.green()) << 8 | quint32(F.blue()) << 16;
}

void FarbCodeSetzen(TSchriftart& ASchrift, quint32 ACode)
{
    if ((ACode >> 24) == 0xFF) {
        ASchrift.Systemfarbe = ACode;
        // The system colours a text can have; any other stands for the window text.
        QPalette::ColorRole Rolle = QPalette::WindowText;
        switch (ACode & 0xFF) {
        case 5:
            Rolle = QPalette::Base;
            break;
        case 9:
            Rolle = QPalette::ToolTipText;
            break;
        case 13:
            Rolle = QPalette::Highlight;
            break;
        case 14:
            Rolle = QPalette::HighlightedText;
            break;
        case 15:
            Rolle = QPalette::Button;
            break;
        case 18:
            Rolle = QPalette::ButtonText;
            break;
        default:
            break;
        }
        ASchrift.Farbe = QGuiApplication::palette().color(Rolle);
    } else {
        ASchrift.Systemfarbe = 0;
        ASchrift.Farbe = QColor(int(ACode & 0xFF), int(ACode >> 8 & 0xFF), int(ACode >> 16 & 0xFF));
    }
}

TSchriftart& Benutzerschrift()
{
    static TSchriftart Schrift{QFont(StandardSchriftname, StandardSchriftgrad), Qt::black};
    return Schrift;
}

QColor& Hintergrundfarbe()
{
    static QColor Farbe(Qt::white);
    return Farbe;
}

namespace {

void Ganz(QWidget* W, const TSchriftart& S, const QColor& AHintergrund, QPalette::ColorRole AFlaeche)
{
    W->setFont(S.Font);
    QPalette P = W->palette();
    P.setColor(AFlaeche, AHintergrund);
    P.setColor(QPalette::Window, AHintergrund);
    P.setColor(QPalette::Text, S.Farbe);
    P.setColor(QPalette::WindowText, S.Farbe);
    W->setPalette(P);
    W->setAutoFillBackground(true);
}

}

void SchriftartZuweisen(QWidget* AFenster, const TSchriftart& ASchrift, const QColor& AHintergrund)
{
    const auto Kinder = AFenster->findChildren<QWidget*>();
    for (QWidget* W : Kinder) {
        if (W->isWindow())
            continue;  // dialogs owned by the window follow their own rules
        if (auto* K = qobject_cast<QPushButton*>(W)) {
            QFont F = K->font();
            F.setFamily(ASchrift.Font.family());
            F.setPointSizeF(ASchrift.Font.pointSizeF());
            K->setFont(F);
        } else if (qobject_cast<QLineEdit*>(W) || qobject_cast<QAbstractItemView*>(W)
                   || qobject_cast<QPlainTextEdit*>(W) || qobject_cast<QTextEdit*>(W)) {
            Ganz(W, ASchrift, AHintergrund, QPalette::Base);
        } else if (qobject_cast<QLabel*>(W) || qobject_cast<QCheckBox*>(W) || qobject_cast<QStatusBar*>(W)) {
            // A label that is part of another control (a status panel) follows it.
            Ganz(W, ASchrift, AHintergrund, QPalette::Window);
        }
    }
}

int LabelLuecke(const QLabel* ALabel)
{
    return std::max(LabelAbstand, QFontMetrics(ALabel->font()).horizontalAdvance(u' '));
}

void LabelZentrieren(QLabel* ALabel, const QWidget* AFeld)
{
    ALabel->move(ALabel->x(), AFeld->y() + (AFeld->height() - ALabel->height()) / 2);
}

void LabelAnpassen(QLabel* ALabel)
{
    if (ALabel->text().isEmpty())
        ALabel->resize(0, QFontMetrics(ALabel->font()).height());
    else
        ALabel->resize(ALabel->sizeHint());
}

int KnopfBreite(const QWidget* AKnopf, int AMindestBreite)
{
    return std::max(AMindestBreite, AKnopf->sizeHint().width());
}

int KnoepfeAngleichen(std::initializer_list<QWidget*> AKnoepfe, int AMindestBreite)
{
    int Breite = AMindestBreite;
    for (const QWidget* K : AKnoepfe)
        Breite = KnopfBreite(K, Breite);
    for (QWidget* K : AKnoepfe)
        K->resize(Breite, SchalterHoehe(K->font(), TSteuerArt::Knopf));
    return Breite;
}

int VerfuegbareHoehe(const QWidget* AFenster)
{
    return AFenster->screen()->geometry().height() - (AFenster->frameGeometry().height() - AFenster->height());
}

int VerfuegbareBreite(const QWidget* AFenster)
{
    return AFenster->screen()->geometry().width() - (AFenster->frameGeometry().width() - AFenster->width());
}

int KnopfAbstand(const QWidget* AFenster, int AKnopfBreite, int AAnzahl, int AWunsch)
{
    return std::min(AWunsch,
                    std::max(DialogRand, (VerfuegbareBreite(AFenster) - AAnzahl * AKnopfBreite) / (AAnzahl + 1)));
}

int Gekappt(const QWidget* AFenster, int AWunsch, int AUebrigeHoehe, int AMindest)
{
    return std::min(AWunsch, std::max(AMindest, VerfuegbareHoehe(AFenster) - AUebrigeHoehe));
}

void DialogPlatzieren(QWidget* AFenster)
{
    const QRect Schirm = AFenster->screen()->geometry();
    const QSize Rahmen = AFenster->frameGeometry().size();
    const int Oben = std::max(0, (Schirm.height() - Rahmen.height()) / 2 - 1);
    const int Links = std::max(0, (Schirm.width() - Rahmen.width()) / 2 - 1);
    AFenster->move(Schirm.left() + Links, Schirm.top() + Oben);
}
