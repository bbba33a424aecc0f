#include "ScaledLayoutWidget.h"

#include <QAbstractScrollArea>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

ScaledLayout::ScaledLayout(QSize designSize, QWidget* parent) : QWidget(parent), design_(designSize)
{
}

bool ScaledLayout::ScalesChildren(const QWidget* w) const
{
    if (w == this || w->property(ScaleChildrenProperty).toBool())
        return true;
    const QMetaObject* m = w->metaObject();
    // Plain containers only: a composite widget lays out its own parts.
    return m == &QWidget::staticMetaObject || m == &QFrame::staticMetaObject ||
           m == &QGroupBox::staticMetaObject || qobject_cast<const QLabel*>(w) != nullptr;
}

void ScaledLayout::Capture(QWidget* parent)
{
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow() || w->objectName().startsWith(QLatin1String("qt_")) ||
            w->property(NoScaleProperty).toBool())
            continue;
        designs_.insert(w, Design{w->geometry(), w->font().pointSizeF(),
                                  w->property(FontOnlyProperty).toBool()});
        order_.append(w);
        if (ScalesChildren(w))
            Capture(w);
    }
}

void ScaledLayout::CaptureDesign()
{
    designs_.clear();
    order_.clear();
    Capture(this);
    sx_ = sy_ = 1.0;
}

void ScaledLayout::ApplyScale()
{
    if (design_.isEmpty() || designs_.isEmpty())
        return;
    sx_ = double(width()) / design_.width();
    sy_ = double(height()) / design_.height();
    const double fontScale = std::min(sx_, sy_);
    for (const QPointer<QWidget>& w : std::as_const(order_)) {
        if (!w)
            continue;
        const Design d = designs_.value(w.data());
        if (d.PointSize > 0) {
            QFont f = w->font();
            f.setPointSizeF(std::max(4.0, d.PointSize * fontScale));
            w->setFont(f);
        }
        if (d.FontOnly)
            continue;
        const int left = int(std::lround(d.Geometry.left() * sx_));
        const int top = int(std::lround(d.Geometry.top() * sy_));
        const int right = int(std::lround((d.Geometry.left() + d.Geometry.width()) * sx_));
        const int bottom = int(std::lround((d.Geometry.top() + d.Geometry.height()) * sy_));
        w->setGeometry(left, top, std::max(1, right - left), std::max(1, bottom - top));
    }
}

void ScaledLayout::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ApplyScale();
}
