#include "QtPlattform.h"

#include "LuUtils.h"
#include "LuUtilsGui.h"
#include "Schriftfarbe.h"

#include <QApplication>
#include <QDate>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QSoundEffect>
#include <QUrl>

namespace {

QWidget* Besitzer()
{
    QWidget* W = QApplication::activeModalWidget();
    return W ? W : QApplication::activeWindow();
}

QMessageBox::StandardButton Meldung(QMessageBox::Icon AIcon, const QString& AText,
                                    QMessageBox::StandardButtons AKnoepfe, QMessageBox::StandardButton AStandard)
{
    QMessageBox Box(AIcon, ProgrammTitel, AText, AKnoepfe, Besitzer());
    if (auto* K = Box.button(QMessageBox::Yes))
        K->setText(QStringLiteral("&Ja"));
    if (auto* K = Box.button(QMessageBox::No))
        K->setText(QStringLiteral("&Nein"));
    if (auto* K = Box.button(QMessageBox::Cancel))
        K->setText(QStringLiteral("Abbrechen"));
    if (auto* K = Box.button(QMessageBox::Ok))
        K->setText(QStringLiteral("OK"));
    Box.setDefaultButton(AStandard);
    return QMessageBox::StandardButton(ModalZeigen(Box));
}

// The extension of a filter entry "Name (*.EXT)", or AStandard when it has none of its own.
QString FilterEndung(const QString& AFilter, const QString& AStandard)
{
    const QRegularExpressionMatch M = QRegularExpression(QStringLiteral("\\(\\*\\.(\\w+)")).match(AFilter);
    return M.hasMatch() ? M.captured(1) : AStandard;
}

QFileDialog* DateiDialog(QWidget* AParent, const TDateiDialog& ADialog, QFileDialog::AcceptMode AModus)
{
    auto* D = new QFileDialog(AParent, ADialog.Titel, ADialog.Ordner, ADialog.Filter);
    D->setAcceptMode(AModus);
    D->setFileMode(AModus == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    D->setOption(QFileDialog::DontConfirmOverwrite, !ADialog.UeberschreibenFragenS);
    const QStringList Filter = D->nameFilters();
    if (ADialog.FilterIndex >= 1 && ADialog.FilterIndex <= Filter.size())
        D->selectNameFilter(Filter.at(ADialog.FilterIndex - 1));
    // A name typed without extension gets the one of the chosen format.
    D->setDefaultSuffix(FilterEndung(D->selectedNameFilter(), ADialog.StandardEndung));
    QObject::connect(D, &QFileDialog::filterSelected, D,
                     [D, Standard = ADialog.StandardEndung](const QString& AFilter) {
                         D->setDefaultSuffix(FilterEndung(AFilter, Standard));
                     });
    if (!ADialog.Dateiname.isEmpty())
        D->selectFile(ADialog.Dateiname);
    return D;
}

QString DateiWahl(QWidget* AParent, TDateiDialog& ADialog, QFileDialog::AcceptMode AModus)
{
    std::unique_ptr<QFileDialog> D(DateiDialog(AParent ? AParent : Besitzer(), ADialog, AModus));
    if (ModalZeigen(*D) != QDialog::Accepted || D->selectedFiles().isEmpty())
        return {};
    const QString Datei = QDir::toNativeSeparators(D->selectedFiles().constFirst());
    if (AModus == QFileDialog::AcceptSave) {
        ADialog.Dateiname = Datei;
        ADialog.FilterIndex = int(D->nameFilters().indexOf(D->selectedNameFilter())) + 1;
    }
    return Datei;
}

}

TQtPlattform::TQtPlattform() = default;

TQtPlattform::~TQtPlattform()
{
    qDeleteAll(FKlaenge);
}

TPlattform::TAntwort TQtPlattform::Frage(const QString& AText, bool AbbrechenS)
{
    const auto Knoepfe
        = AbbrechenS ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel : QMessageBox::Yes | QMessageBox::No;
    switch (Meldung(QMessageBox::Question, AText, Knoepfe, QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return TAntwort::Ja;
    case QMessageBox::No:
        return TAntwort::Nein;
    default:
        return AbbrechenS ? TAntwort::Abbrechen : TAntwort::Nein;
    }
}

void TQtPlattform::Information(const QString& AText)
{
    Meldung(QMessageBox::Information, AText, QMessageBox::Ok, QMessageBox::Ok);
}

void TQtPlattform::Fehler(const QString& AText)
{
    Meldung(QMessageBox::Critical, AText, QMessageBox::Ok, QMessageBox::Ok);
}

void TQtPlattform::Piep()
{
    QApplication::beep();
}

void TQtPlattform::WavAbspielen(const QString& ADatei)
{
    if (!QFileInfo(ADatei).isFile())
        return;
    QSoundEffect*& Effekt = FKlaenge[ADatei];
    if (!Effekt) {
        Effekt = new QSoundEffect;
        Effekt->setSource(QUrl::fromLocalFile(ADatei));
    }
    // A file that cannot be decoded stays in the Error state and plays nothing.
    Effekt->stop();
    Effekt->play();
}

int TQtPlattform::Heute()
{
    return DatumZuTag(QDate::currentDate());
}

QString TQtPlattform::OeffnenDialog(QWidget* AParent, const TDateiDialog& ADialog)
{
    TDateiDialog Kopie = ADialog;
    return DateiWahl(AParent, Kopie, QFileDialog::AcceptOpen);
}

QString TQtPlattform::SpeichernDialog(QWidget* AParent, TDateiDialog& ADialog)
{
    return DateiWahl(AParent, ADialog, QFileDialog::AcceptSave);
}

bool TQtPlattform::SchriftartDialog(QWidget* AParent, TSchriftart& ASchrift)
{
    QWidget* Eltern = AParent ? AParent : Besitzer();
    QFontDialog D(ASchrift.Font, Eltern);
    if (ModalZeigen(D) != QDialog::Accepted)
        return false;
    // Qt's font dialog has no colour: the same flow goes on with the colour, as a list of names.
    TSchriftart Neu = ASchrift;
    Neu.Font = D.selectedFont();
    if (!SchriftfarbeWaehlen(Eltern, Neu))
        return false;
    ASchrift = Neu;
    return true;
}

bool TQtPlattform::DruckDialog(QWidget* AParent, QPrinter& APrinter)
{
    QPrintDialog D(&APrinter, AParent ? AParent : Besitzer());
    return ModalZeigen(D) == QDialog::Accepted;
}

bool TQtPlattform::DruckerVorhanden()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

int TQtPlattform::ShellOeffnen(QWidget* AParent, const QString& ADatei, const QString& AParameter,
                               const QString& AOrdner, const QString& AVerb, int AAnzeige)
{
    return ::ShellOeffnen(AParent, ADatei, AParameter, AOrdner, AVerb, AAnzeige);
}
