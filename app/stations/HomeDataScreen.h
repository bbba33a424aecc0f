#pragma once

#include <QWidget>

// The station set-up window: the home and the Dx station side by side.
class THomeDataForm : public QWidget
{
    Q_OBJECT
public:
    explicit THomeDataForm(QWidget* parent = nullptr);

public Q_SLOTS:
    // Shows the window; the window refreshes itself from AppState when shown.
    void ShowSetupWindow();
};

extern THomeDataForm* HomeDataForm;
