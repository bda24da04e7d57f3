#include "Historie.h"

#include "Dateizugriff.h"
#include "LuLayout.h"
#include "LuUtils.h"
#include "LuUtilsGui.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

THistorieForm::THistorieForm(QWidget* AParent)
    : TLuDialog("HistorieForm", AParent, Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowTitleHint)
{
    RichEdit1 = new QPlainTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    // Read-only, but the caret walks the text, so the screen reader reads it line by line.
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    RichEdit1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    RichEdit1->setTabChangesFocus(true);
    RichEdit1->installEventFilter(this);
    auto* Aufbau = new QVBoxLayout(this);
    Aufbau->setContentsMargins(DialogRand, DialogRand, DialogRand, DialogRand);
    Aufbau->addWidget(RichEdit1);
    setWindowTitle(QStringLiteral("Programm-Änderungen - %1").arg(ProgrammTitel));
    RichEdit1->setAccessibleName(QStringLiteral("Programm-Änderungen"));
}

bool THistorieForm::Laden(const QString& ADatei, QString* AFehler)
{
    QByteArray Inhalt;
    if (!DateiEinlesen(ADatei, Inhalt, AFehler))
        return false;
    RichEdit1->setPlainText(QString::fromUtf8(Inhalt));
    return true;
}

void THistorieForm::SchalterEinrichten()
{
    // Three quarters of the screen, so the user font has room to wrap the lines.
    const QRect Schirm = screen()->availableGeometry();
    resize(Schirm.width() * 3 / 4, Schirm.height() * 3 / 4);
    FensterEinrichten();
}

void THistorieForm::Fokussieren()
{
    AnDenAnfang(RichEdit1);
    RichEdit1->setFocus(Qt::OtherFocusReason);
}

bool THistorieForm::eventFilter(QObject* AObjekt, QEvent* AEvent)
{
    if (AObjekt == RichEdit1 && AEvent->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(AEvent)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return QDialog::eventFilter(AObjekt, AEvent);
}
