#pragma once

#include <QWidget>

// The station database window: the shipped list and the user area.
class TForm4 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

public Q_SLOTS:
    // Loads "DravikDXCC.ini" when present and shows the window; it returns to
    // whichever window AppState's OpenedFrom* flags name.
    void OpenDatabaseWindow();
};

extern TForm4* Form4;
