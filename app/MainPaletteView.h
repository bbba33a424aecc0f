#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

#include "MainControls.h"

// The main window's colours.
namespace MainColours
{
inline const QColor Yellow(255, 255, 0);
inline const QColor Cream(255, 251, 240);
inline const QColor MoneyGreen(192, 220, 192);
inline const QColor Red(255, 0, 0);
inline const QColor Blue(0, 0, 255);
inline const QColor Green(0, 160, 0);

inline QColor ButtonFace(const QWidget* w)
{
    return w->palette().color(QPalette::Button);
}

inline QColor ToColour(PanelColour colour, const QWidget* w)
{
    switch (colour) {
    case PanelColour::Yellow:
        return Yellow;
    case PanelColour::Cream:
        return Cream;
    case PanelColour::MoneyGreen:
        return MoneyGreen;
    case PanelColour::ButtonFace:
        break;
    }
    return ButtonFace(w);
}
} // namespace MainColours
