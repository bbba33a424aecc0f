#pragma once

#include <QObject>

#include "MainControls.h"

// Applies the hint timing of the "On Screen Hints" choice to the whole
// program: the delay before a hint shows, how long it stays, its colours and
// font. A stay of 0 means hints do not show at all.
class HintTimingFilter : public QObject
{
    Q_OBJECT
public:
    explicit HintTimingFilter(QObject* parent = nullptr);
    void Apply(const HintTiming& timing);
    const HintTiming& Current() const { return timing_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HintTiming timing_;
};
