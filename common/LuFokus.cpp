#include "LuFokus.h"

#include "LuLayout.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

QColor FokusFarbe(const QColor& AHintergrund)
{
    return Kontrast(Qt::black, AHintergrund) >= Kontrast(Qt::white, AHintergrund) ? QColor(Qt::black) : QColor(Qt::white);
}

namespace {

void Rahmen(QPainter* AMaler, const QRect& AFlaeche, const QColor& AHintergrund)
{
    AMaler->save();
    AMaler->setRenderHint(QPainter::Antialiasing, false);
    const QColor F = FokusFarbe(AHintergrund);
    const QRect R = AFlaeche.adjusted(0, 0, -1, -1);
    for (int i = 0; i < FokusBreite; ++i) {
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
        QProxyStyle::drawPrimitive(AElement, AOption, AMaler, AWidget);
        const bool FokusS = AOption->state & State_HasFocus;
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

    void drawControl(ControlElement AElement, const QStyleOption* AOption, QPainter* AMaler,
                     const QWidget* AWidget) const override
    {
        QProxyStyle::drawControl(AElement, AOption, AMaler, AWidget);
        if (AElement == CE_PushButton && (AOption->state & State_HasFocus))
            Rahmen(AMaler, AOption->rect, AOption->palette.color(QPalette::Button));
        // A text editor's frame knows nothing of the focus: the editor itself does.
        else if (AElement == CE_ShapedFrame && AWidget && AWidget->hasFocus()
                 && qobject_cast<const QAbstractScrollArea*>(AWidget) && !qobject_cast<const QAbstractItemView*>(AWidget))
            Rahmen(AMaler, AOption->rect, AOption->palette.color(QPalette::Base));
    }
};

}

void FokusStilEinrichten()
{
    QApplication::setStyle(new TFokusStil(QStyleFactory::create(QApplication::style()->name())));
}
