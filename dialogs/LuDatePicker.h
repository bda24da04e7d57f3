#pragma once
// A one-line box for a single date, typed and stepped part by part:
// "Mo, 05.01.2015 " with the parts weekday, day, month and year. The date
// never leaves the range MinDatum … MaxDatum.

#include <QLineEdit>
#include <functional>

class QToolButton;
class TAnsage;

// The vertical pair of step buttons at the right edge of the box; outside the tab order.
class TUpDown : public QWidget {
    Q_OBJECT

public:
    explicit TUpDown(QWidget* AParent);
    QToolButton* Hoch;
    QToolButton* Runter;

Q_SIGNALS:
    void Schritt(bool AHochS);

protected:
    void resizeEvent(QResizeEvent* AEvent) override;
};

class TDatePicker : public QLineEdit {
    Q_OBJECT

public:
    // Date values are days since 30 December 1899; the box keeps whole days.
    explicit TDatePicker(QWidget* AOwner);
    ~TDatePicker() override;

    double FDatum;
    double FMaxDatum;
    double FMinDatum;
    int FMarkiereNr = 1;
    QString Gemerkt;
    TUpDown* UpDown;

    void Markiere(bool MerkeS);
    void CheckEingabe();
    void Bounds(int ATop, int ALeft, int AWidth);

    int Top() const { return y(); }
    void setTop(int ATop);
    int Left() const { return x(); }
    void setLeft(int ALeft);
    int Width() const;
    void setWidth(int AWidth);
    double MinDatum() const { return FMinDatum; }
    void setMinDatum(double ADatum);
    double MaxDatum() const { return FMaxDatum; }
    void setMaxDatum(double ADatum);
    double Datum();
    void setDatum(double ADatum);
    int MarkiereNr() const { return FMarkiereNr; }
    void setMarkiereNr(int ANr);

    // The weekday field: two characters of the short day name.
    static QString Wochentagsfeld(int ATag);

    // What the screen reader hears: the date in words ("Samstag, 12. Dezember 2026"), and the
    // current part by name and value ("Monat 12"). The same part is the box's description, said
    // when the focus arrives.
    static QString DatumInWorten(int ATag);
    QString TeilInWorten() const;
    TAnsage* Ansage() const { return FAnsage; }

protected:
    void keyPressEvent(QKeyEvent* AEvent) override;
    void focusInEvent(QFocusEvent* AEvent) override;
    void focusOutEvent(QFocusEvent* AEvent) override;
    void mousePressEvent(QMouseEvent* AEvent) override;
    void mouseReleaseEvent(QMouseEvent* AEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* AEvent) override;
    void inputMethodEvent(QInputMethodEvent* AEvent) override;
    void moveEvent(QMoveEvent* AEvent) override;
    void resizeEvent(QResizeEvent* AEvent) override;

private:
    TAnsage* FAnsage;

    // Runs a key, click or step unheard, then says what it changed: the date in words when it is
    // a new one or a part was finished by typing, the part when ATeilS (a key or click that
    // chooses the part) moved it.
    void Bedienen(const std::function<void()>& AHandlung, bool ATeilS);
    // The date the text reads as, as algorithm Datum does, but without checking the part first.
    double GelesenerTag() const;
    void BeschreibungNachfuehren();
    void Zeichen(QChar AZeichen);
    void Schritt(bool AHochS, int n);
    void StufenAnbringen();
    int StufenBreite() const;
    void Ersetzen(int AStart, int ALaenge, const QString& ANeu);
    void TextSetzen(const QString& ANeu);
    void AufTeilBeschraenken();
    void Piep();
};
