#pragma once

#include <QHash>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

// Keeps a window's contents in proportion with its size: every control keeps
// the geometry and font it had at the design size, multiplied by the ratio of
// the present size to the design size (fonts by the smaller ratio).
//
// Controls are placed at design coordinates and CaptureDesign() is called
// once; from then on each resize rescales them. Children of composite widgets
// (spin boxes, date editors, chart views) are left to their owners, except
// widgets placed over a chart view, which scale with it.
class ScaledLayout : public QWidget
{
    Q_OBJECT
public:
    ScaledLayout(QSize designSize, QWidget* parent = nullptr);

    QSize DesignSize() const { return design_; }
    // Records the present geometry and font of every control as its design value.
    void CaptureDesign();
    // Scales to the present size now.
    void ApplyScale();
    double ScaleX() const { return sx_; }
    double ScaleY() const { return sy_; }

    // A widget whose own children are scaled with it (chart views carrying
    // overlay panels) is marked with this property.
    static constexpr const char* ScaleChildrenProperty = "tavrelScaleChildren";
    // A widget that its owner places itself (labels that follow a chart's plot
    // area) is marked with this one.
    static constexpr const char* NoScaleProperty = "tavrelNoScale";
    // ... and one whose font scales while its owner places it.
    static constexpr const char* FontOnlyProperty = "tavrelFontOnly";

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Design {
        QRect Geometry;
        double PointSize = 0;
        bool FontOnly = false;
    };
    void Capture(QWidget* parent);
    bool ScalesChildren(const QWidget* w) const;

    QSize design_;
    QHash<QWidget*, Design> designs_;
    QList<QPointer<QWidget>> order_;
    double sx_ = 1.0;
    double sy_ = 1.0;
};
