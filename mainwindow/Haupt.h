#pragma once
// The main window: one entry of one day, the field rows, the comment button
// and the position in the status bar.

#include "TDaten.h"
#include "TFeldEdit.h"
#include "Uebersichtstage.h"

#include "Plattform.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QStatusBar;
class TAnsage;
class TDatumlisteForm;
class TFelderForm;
class TGeheDatumForm;
class THintergrundForm;
class THistorieForm;
class TReAnsichtForm;
class TSuchenForm;

class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    // FormCreate. AStartDatei: the diary named on the command line, if any.
    explicit TForm1(const QString& AStartDatei = QString());
    ~TForm1() override;  // FormDestroy

    QString FFilename;
    int FDatum;
    int FTagDatenNr = 0;
    int FTagNr = 0;
    bool IsClosing = false;
    QPointer<QWidget> MerkActiveControl;
    int MaxEditNr = 0;
    TDaten Daten;
    TDaten SaveDaten;

    // Controls in creation order: Label1 … Label10, Label0, StatusBar1, Edit1 … Edit10, Edit0, Button1.
    QLabel* Label(int ANr) const { return FLabels[size_t(ANr)]; }
    TFeldEdit* Edit(int ANr) const { return FEdits[size_t(ANr)]; }
    QPushButton* Button1;
    QStatusBar* StatusBar1;
    QTimer Timer1;

    int Datum() const { return FDatum; }
    void setDatum(int ADatum);
    QString StatusText() const;
    void setStatusText(const QString& AText);
    // What a command that neither moves the focus nor shows a box has done: shown where the hints
    // are, and said by the screen reader.
    void Bestaetigen(const QString& AText);
    QString PositionText() const;  // the first status panel
    int TagNr() const { return FTagNr; }
    void setTagNr(int ANr);
    int TagDatenNr() const { return FTagDatenNr; }
    void setTagDatenNr(int ANr);
    QString Filename() const { return FFilename; }
    void setFilename(const QString& AFilename);

    int TagDatenCount() const;
    void SetStatusTag();
    void CaptionZuweisen(bool SetFocusS);
    void EditZuweisen();
    void EditInDaten();
    void EditSetFocus(int Nr);
    void SetActiveControl();
    void WavAbspielen(const QString& AFilename);

    void SchriftartZuweisen();
    void SchalterEinrichten();
    void FensterEinrichten();

    // The data folder: the documents folder followed by "Merovan/".
    static QString DatenOrdner();

    // Menus. Before any of their commands runs, by the opened menu or by its
    // shortcut, the menu's update stores the edit boxes and decides what is enabled.
    QMenu* MenuDatei;
    QMenu* MenuSprung;
    QAction* MenuDateiOeffnen;
    QAction* MenuDateiSpeichern;
    QAction* MenuDateiSpeichernUnter;
    QMenu* MenuDateiDrucken;
    QAction* MenuDateiDruckenTagesansicht;
    QAction* MenuDateiDruckenWochenansicht;
    QAction* MenuDateiDruckenAllesansciht;
    QAction* MenuDateiClose;
    QAction* MenuDateiBeenden;
    QAction* MenuSprungTagWeiter;
    QAction* MenuSprungTagZurueck;
    QAction* MenuSprungEintragWeiter;
    QAction* MenuSprungEintragZurueck;
    QAction* MenuSprungWocheWeiter;
    QAction* MenuSprungWocheZurueck;
    QAction* MenuSprungErsterEintrag;
    QAction* MenuSprungLetzterEintrag;
    QAction* MenuSprungGeheZuTag;
    QMenu* MenuAkt;
    QAction* MenuAktNeuerTag;
    QAction* MenuAktNeuerEintrag;
    QAction* MenuAktTagesansicht;
    QAction* MenuAktWochenansicht;
    QAction* MenuAktAlleansicht;
    QAction* MenuAktTagKopieren;
    QAction* MenuAktTagVerschieben;
    QAction* MenuAktFelder;
    QAction* MenuAktKommentar;
    QAction* MenuAktLoescheEintrag;
    QAction* MenuAktLoescheTag;
    QAction* MenuAktSuche;
    QMenu* PopupMenu1;
    QAction* PuNeuerTag;
    QAction* PuLoescheTag;
    QAction* PuGeheZuTag;

    void DateiMenuUpdate();
    void SprungMenuUpdate();
    void AktMenuUpdate();
    // The state the last update gave an item; the item itself stays enabled
    // between openings so that its shortcut always reaches the update.
    bool Freigegeben(QAction* AItem) const { return FFreigabe.value(AItem, true); }

    // Files.
    TDateiDialog SaveDialog1;
    TDateiDialog OpenDialog1;
    void InitSaveOpenDialog();
    // The file part of Filename; empty when no file is open.
    QString Dateiteil() const;
    bool Speichern(bool SpeichernUnterS);
    void LesefehlerMelden(const QString& ADatei, const QString& AFehler);
    // The status hints "Strg+N erzeugt einen neuen Tag" and "Strg+E erzeugt einen neuen Eintrag".
    void HinweisNeuerTag();
    void HinweisNeuerEintrag();
    // The unsaved-changes question; false when the calling command must stop.
    bool AenderungenGeklaert();
    void FormCloseQuery(bool& CanClose);

    // Settings: the file, the user font, the background row. LadenS: load, else save.
    void RegistryLadenSpeichern(bool LadenS);
    // The background row; every write applies the font and the colour and lays the window out.
    int HintergrundNr() const;
    void setHintergrundNr(int ANr);
    THintergrundForm* HintergrundForm;
    QMenu* MenuAns;
    QAction* MenuAnsSchriftart;
    QAction* MenuAnsHintergrund;

    // Help: the program, the maker's pages, the change history and the updater.
    QMenu* MenuHilfe;
    QAction* MenuHilfeInfo;
    QAction* MenuHilfeHomepage;
    QAction* MenuHilfeUpdate;
    QAction* MenuHilfeHistory;
    QAction* MenuHilfeMail;
    QAction* MenuHilfeSpenden;
    QPointer<THistorieForm> HistorieForm;  // made when first shown
    void MenuHilfeClick();
    // The updater's program file: "Tavrin.exe" on Windows, "tavrin" elsewhere, found as the sound is.
    static QString Aktualisierer();

    // The dialogs the commands open, created once with the window.
    TFelderForm* FelderForm;
    TDatumlisteForm* DatumlisteForm;
    TGeheDatumForm* GeheDatumForm;
    TSuchenForm* SuchenForm;
    TReAnsichtForm* ReAnsichtForm;

    // Day and entry commands.
    void NeuerTag();
    void NeuerEintrag();
    bool FelderOk();
    // The date dialog with ADatum and the caption of ANr (a TDatumZweck); the chosen day, 0 when cancelled.
    int DatumEingeben(int ADatum, int ANr);
    // Shows day ANr (0-based) at its last entry, the focus on the date line.
    void GeheZuTag(int ANr);

public Q_SLOTS:
    void Timer1Timer();
    void MenuDateiOeffnenClick();
    void MenuDateiSpeichernClick();
    void MenuDateiSpeichernUnterClick();
    void MenuDateiCloseClick();
    void MenuSprungTagWeiterClick();
    void MenuSprungTagZurueckClick();
    void MenuSprungEintragWeiterClick();
    void MenuSprungEintragZurueckClick();
    void MenuSprungWocheWeiterClick();
    void MenuSprungWocheZurueckClick();
    void MenuSprungErsterEintragClick();
    void MenuSprungLetzterEintragClick();
    void MenuSprungGeheZuTagClick();
    void PopupMenu1Popup();
    void MenuAktNeuerTagClick();
    void MenuAktNeuerEintragClick();
    void MenuAktTagKopierenClick();
    void MenuAktTagVerschiebenClick();
    void MenuAktFelderClick();
    void Button1Click();  // also "&Kommentar des Tages ändern..."
    void MenuAktLoescheEintragClick();
    void MenuAktLoescheTagClick();
    void MenuAktSucheClick();
    void MenuAnsSchriftartClick();
    void MenuAnsHintergrundClick();
    void MenuHilfeInfoClick();
    void MenuHilfeHomepageClick();
    void MenuHilfeUpdateClick();
    void MenuHilfeHistoryClick();
    void MenuHilfeMailClick();
    void MenuHilfeSpendenClick();
    // The overview of the day on show, its week or all days in the report view.
    void MenuAktTagesansichtClick(TUebersichtArt AArt);
    void Aktivieren();  // another start asked this one to come to the front
    void MenuDateiBeendenClick();  // also what another program's quit request runs

protected:
    bool eventFilter(QObject* AObjekt, QEvent* AEvent) override;
    void showEvent(QShowEvent* AEvent) override;
    void resizeEvent(QResizeEvent* AEvent) override;
    void changeEvent(QEvent* AEvent) override;
    void closeEvent(QCloseEvent* AEvent) override;

private:
    void FormShow();
    void MenusErstellen();
    void DateiErstellen();
    void SprungErstellen();
    // The rule of every menu command, run by the opened menu or by its shortcut (a shortcut
    // fires without the menu's aboutToShow): the menu's update first, which stores the edit
    // boxes and decides what is enabled; true when AItem is still enabled after it.
    bool Ausfuehrbar(QMenu* AMenu, QAction* AItem);
    QAction* Befehl(QMenu* AMenu, const QString& AText, const QKeySequence& ATasten, void (TForm1::*ABefehl)());
    QAction* Befehl(QMenu* AMenu, const QString& AText, const QKeySequence& ATasten, std::function<void()> ABefehl);
    void Freigeben(QAction* AItem, bool AFreiS);
    void MenuUpdate(QMenu* AMenu);
    bool IstMenuTaste(const QKeyEvent* AEvent) const;
    void Springen(bool AMoeglichS, int ATagNr, int ATagDatenNr, int AFokus);
    void DateiDialogVorbereiten(TDateiDialog& ADialog);
    void AktionenErstellen();
    void AnsichtErstellen();
    void HilfeErstellen();
    void TagVerschiebenOderKopieren(bool KopierenS);

    QHash<QAction*, bool> FFreigabe;
    QList<QAction*> FBefehle;
    bool Edit0KeyDown(QObject* AObjekt, QKeyEvent* AEvent);
    void Panel0Einrichten();
    void ZeileZeigen(QWidget* AFokus);
    // The box EditSetFocus passes the focus on to, and the clock of that hand-over.
    QPointer<TFeldEdit> FFokusZiel;
    QTimer FFokusUhr;
    void FokusAnkommen();
    static void TextZeigen(TFeldEdit* AEdit, const QString& AText);
    int StatusHoehe() const;
    int Panel0Breite() const;  // one line, or two when a large font wraps the hint

    std::array<QLabel*, 11> FLabels{};
    std::array<TFeldEdit*, 11> FEdits{};
    QWidget* FClient;
    QScrollArea* FRollen;  // the rows scroll where a large font makes them taller than the screen
    QLabel* FPanel0;
    QLabel* FPanel1;  // the hints
    TAnsage* FAnsage;  // a confirmation, in the hints' place until the next hint
    int FPanel0Breite = 0;
    QString FStartDatei;
    bool FGezeigtS = false;
    bool FLayoutLaeuftS = false;
};

// A name that ends with a path delimiter is a folder: no file is open.
bool IstOrdner(const QString& AFilename);
// The folder of a file, ending with a path delimiter; a folder itself stays.
QString Ordnerteil(const QString& AFilename);

// The shortcuts whose display text the status hints name.
QString TastenText(const QKeySequence& ATasten);
