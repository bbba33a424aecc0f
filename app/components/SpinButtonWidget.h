#pragma once

#include <QToolButton>
#include <QWidget>

// An up/down arrow pair, as the dish and hour spinners use it. It holds no
// value: each press is one step that the owner applies.
class SpinButton : public QWidget
{
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

Q_SIGNALS:
    void upClicked();
    void downClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
};
