#pragma once

#include <QList>
#include <QString>

#include <array>

struct EphemerisRecord;

// One box of a result panel: its number (absent for an emptied box or a word)
// and the text the panel shows.
struct EphemerisBox {
    bool HasValue = false;
    long double Value = 0;
    QString Text;
};

// One row: its caption and its boxes left to right. A row marked IsLine is the
// one-line summary under a table ("D68 E68  …"); LineText gives it whole.
struct EphemerisRow {
    QString Caption;
    QList<EphemerisBox> Boxes;
    bool IsLine = false;
};

struct EphemerisPanel {
    QString Title;
    QList<EphemerisRow> Rows;
};

// The ten result panels in the order they are evaluated.
enum class EphemerisPanelId {
    Time,
    Sun,
    Moon,
    SubEarth,
    SubSolar,
    Illumination,
    Disc,
    Axis,
    Topocentric,
    NumericalResults,
    Count
};

using EphemerisPanelSet = std::array<EphemerisPanel, static_cast<size_t>(EphemerisPanelId::Count)>;

// Captions and box texts of every result panel for the values of one run of
// ComputeOwnEphemeris.
EphemerisPanelSet BuildEphemerisPanels(const EphemerisRecord& e);

// The summary line of a row marked IsLine: caption, two spaces, first box,
// three spaces, second box.
QString LineText(const EphemerisRow& row);
