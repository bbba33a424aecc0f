#include "HintTimingWidget.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QHelpEvent>
#include <QPalette>
#include <QProxyStyle>
#include <QToolTip>
#include <QWidget>

namespace
{

// The only style setting Qt offers for the wait before a tooltip appears.
class HintDelayStyle : public QProxyStyle
{
public:
    int delayMs = 700;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == QStyle::SH_ToolTip_WakeUpDelay)
            return delayMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

HintDelayStyle* InstalledStyle()
{
    static HintDelayStyle* style = nullptr;
    if (!style && qApp) {
        style = new HintDelayStyle();
        QApplication::setStyle(style); // the application owns it from here on
    }
    return style;
}

} // namespace

HintTimingFilter::HintTimingFilter(QObject* parent) : QObject(parent)
{
    if (qApp)
        qApp->installEventFilter(this);
}

void HintTimingFilter::Apply(const HintTiming& timing)
{
    if (!timing.Changes)
        return;
    timing_ = timing;
    if (HintDelayStyle* style = InstalledStyle())
        style->delayMs = timing.ShowAfterMs;
    QPalette p = QToolTip::palette();
    p.setColor(QPalette::ToolTipBase, timing.BlackBackground ? Qt::black : QColor(255, 255, 0));
    p.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(p);
    QFont f(QStringLiteral("Arial"), 10);
    f.setBold(true);
    QToolTip::setFont(f);
}

bool HintTimingFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip && timing_.Changes) {
        if (timing_.StayMs <= 0)
            return true; // hints disabled
        auto* widget = qobject_cast<QWidget*>(watched);
        auto* help = static_cast<QHelpEvent*>(event);
        if (widget && !widget->toolTip().isEmpty()) {
            QToolTip::showText(help->globalPos(), widget->toolTip(), widget, QRect(),
                               timing_.StayMs);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
