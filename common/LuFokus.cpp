#include "LuFokus.h"

#include "LuLayout.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

QColor FokusFarbe(const QColor& AHintergrund)
{
    return Kontrast(Qt::black, AHintergrund) >= Kontrast(Qt::white, AHintergrund) ? QColor(Qt::black)
                                                                                  : QColor(Qt::white);
}

namespace {

// A frame of ABreite pixels inside AFlaeche, in the colour that stands out from AHintergrund.
void Rahmen(QPainter* AMaler, const QRect& AFlaeche, const QColor& AHintergrund, int ABreite = FokusBreite)
{
    AMaler->save();
    AMaler->setRenderHint(QPainter::Antialiasing, false);
    const QColor F = FokusFarbe(AHintergrund);
    const QRect R = AFlaeche.adjusted(0, 0, -1, -1);
    for (int i = 0; i < ABreite; ++i) {
        AMaler->setPen(F);
        AMaler->setBrush(Qt::NoBrush);
        AMaler->drawRect(R.adjusted(i, i, -i, -i));
    }
    AMaler->restore();
}

class TFokusStil : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement AElement, const QStyleOption* AOption, QPainter* AMaler,
                       const QWidget* AWidget) const override
    {
        if (AElement == PE_FrameFocusRect) {
            // Around a check box's text, a list's current line: the frame, on the background around it.
            const QWidget* Ort = AWidget;
            const QColor Grund = Ort && qobject_cast<const QAbstractItemView*>(Ort)
                ? Ort->palette().color(QPalette::Base)
                : AOption->palette.color(QPalette::Window);
            Rahmen(AMaler, AOption->rect, Grund);
            return;
        }
        const bool FokusS = AOption->state & State_HasFocus;
        const auto* Feld = qstyleoption_cast<const QStyleOptionFrame*>(AOption);
        if (AElement == PE_PanelLineEdit && Feld && Feld->lineWidth > 0 && qobject_cast<const QLineEdit*>(AWidget)) {
            // A plain box with a line that stands out from its ground. The toolkit's rounded,
            // shaded one is a light grey line (about 1.5 : 1) and costs a quarter millisecond
            // to paint, and every jump repaints the boxes.
            const QColor Grund = AOption->palette.color(QPalette::Base);
            AMaler->fillRect(AOption->rect, Grund);
            Rahmen(AMaler, AOption->rect, Grund, FokusS ? FokusBreite : 1);
            return;
        }
        QProxyStyle::drawPrimitive(AElement, AOption, AMaler, AWidget);
        if (FokusS && (AElement == PE_FrameLineEdit || AElement == PE_PanelLineEdit))
            Rahmen(AMaler, AOption->rect, AOption->palette.color(QPalette::Base));
    }

    int pixelMetric(PixelMetric AMass, const QStyleOption* AOption, const QWidget* AWidget) const override
    {
        const int Wert = QProxyStyle::pixelMetric(AMass, AOption, AWidget);
        // A text editor's frame must be wide enough to hold the focus frame; its text lies inside.
        if (AMass == PM_DefaultFrameWidth && qobject_cast<const QAbstractScrollArea*>(AWidget)
            && !qobject_cast<const QAbstractItemView*>(AWidget))
            return std::max(Wert, FokusBreite);
        return Wert;
    }

    void drawComplexControl(ComplexControl AElement, const QStyleOptionComplex* AOption, QPainter* AMaler,
                            const QWidget* AWidget) const override
    {
        QProxyStyle::drawComplexControl(AElement, AOption, AMaler, AWidget);
        // A choice box (the font dialog's writing system) and a number box show no focus of their own.
        if (AOption->state & State_HasFocus) {
            if (AElement == CC_ComboBox)
                Rahmen(AMaler, AOption->rect, AOption->palette.color(QPalette::Button));
            else if (AElement == CC_SpinBox)
                Rahmen(AMaler, AOption->rect, AOption->palette.color(QPalette::Base));
        }
    }

    void drawControl(ControlElement AElement, const QStyleOption* AOption, QPainter* AMaler,
                     const QWidget* AWidget) const override
    {
        QProxyStyle::drawControl(AElement, AOption, AMaler, AWidget);
        if (AElement == CE_PushButton && (AOption->state & State_HasFocus))
            Rahmen(AMaler, AOption->rect, AOption->palette.color(QPalette::Button));
        // A text editor's frame knows nothing of the focus: the editor itself does.
        else if (AElement == CE_ShapedFrame && AWidget && AWidget->hasFocus()
                 && qobject_cast<const QAbstractScrollArea*>(AWidget)
                 && !qobject_cast<const QAbstractItemView*>(AWidget))
            Rahmen(AMaler, AOption->rect, AOption->palette.color(QPalette::Base));
    }
};

}

void FokusStilEinrichten()
{
    QApplication::setStyle(new TFokusStil(QStyleFactory::create(QApplication::style()->name())));
}
