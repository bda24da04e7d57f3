#pragma once
// The main window: one entry of one day, the field rows, the comment button
// and the position in the status bar.

#include "TDaten.h"
#include "TFeldEdit.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>

class QLabel;
class QPushButton;
class QStatusBar;

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

public Q_SLOTS:
    void Timer1Timer();
    void Aktivieren();             // another start asked this one to come to the front
    void MenuDateiBeendenClick();  // also what another program's quit request runs

protected:
    bool eventFilter(QObject* AObjekt, QEvent* AEvent) override;
    void showEvent(QShowEvent* AEvent) override;
    void resizeEvent(QResizeEvent* AEvent) override;
    void changeEvent(QEvent* AEvent) override;
    void closeEvent(QCloseEvent* AEvent) override;

private:
    void FormShow();
    bool Edit0KeyDown(QObject* AObjekt, QKeyEvent* AEvent);
    void Panel0Einrichten();

    std::array<QLabel*, 11> FLabels{};
    std::array<TFeldEdit*, 11> FEdits{};
    QWidget* FClient;
    QLabel* FPanel0;
    QLabel* FPanel1;
    int FPanel0Breite = 0;
    QString FStartDatei;
    bool FGezeigtS = false;
    bool FLayoutLaeuftS = false;
};

// The shortcuts whose display text the status hints name.
QString TastenText(const QKeySequence& ATasten);
