#pragma once

#include <QColor>
#include <QLabel>

// A raised panel with a caption that acts as a button and can be coloured:
// the chart buttons, the hour-window box and the result boxes use it.
class ClickablePanel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickablePanel(const QString& caption = QString(), QWidget* parent = nullptr);

    void SetColour(const QColor& colour);
    QColor Colour() const;

Q_SIGNALS:
    void clicked();
    void doubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
