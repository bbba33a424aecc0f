// The "Ephemeris data" panel and the ten result panels of the own ephemeris.

#include <QChartView>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>

#include "AppState.h"
#include "EphemerisRecord.h"
#include "ScaledLayoutWidget.h"
#include "Unit1.h"

namespace
{

constexpr int CaptionWidth = 196;
constexpr int BoxWidth = 118;
constexpr int RowHeight = 20;
constexpr int TitleHeight = 24;

const char* const PanelNames[] = {
    "TimePanel",         "SunPanel",  "MoonPanel", "SubEarthPanel",    "SubSolarPanel",
    "IlluminationPanel", "DiscPanel", "AxisPanel", "TopocentricPanel", "NumericalResultsPanel"};

// The buttons of the "Ephemeris data" panel, in order.
const char* const ButtonCaptions[] = {"Numerical Results",
                                      "Time",
                                      "Sun Position",
                                      "Moon",
                                      "Selenographic coords ",
                                      "Moon Illumination",
                                      "PA of rotation axis",
                                      "Topocentric corrections",
                                      "Close"};
const char* const ButtonNames[] = {"NumericalResultsButton",
                                   "TimeButton",
                                   "SunPositionButton",
                                   "MoonButton",
                                   "SelenographicButton",
                                   "MoonIlluminationButton",
                                   "AxisButton",
                                   "TopocentricButton",
                                   "CloseEphemerisButton"};

QLabel* ValueBox(QWidget* parent, const QRect& r)
{
    auto* box = new QLabel(parent);
    box->setGeometry(r);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setAlignment(Qt::AlignVCenter | Qt::AlignRight);
    box->setAutoFillBackground(true);
    QPalette p = box->palette();
    p.setColor(QPalette::Window, Qt::white);
    box->setPalette(p);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return box;
}

} // namespace

void TForm1::CreateEphemerisPanels()
{
    EphemerisDataPanel = new QFrame(Client);
    EphemerisDataPanel->setObjectName(QStringLiteral("EphemerisDataPanel"));
    EphemerisDataPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    EphemerisDataPanel->setLineWidth(2);
    EphemerisDataPanel->setAutoFillBackground(true);
    EphemerisDataPanel->setGeometry(65, 55, 180, 36 + 9 * 30);
    auto* heading = new QLabel(QStringLiteral("Ephemeris data"), EphemerisDataPanel);
    heading->setGeometry(8, 6, 164, 22);
    heading->setAlignment(Qt::AlignCenter);
    for (int i = 0; i < 9; ++i) {
        auto* b = new QPushButton(QString::fromLatin1(ButtonCaptions[i]), EphemerisDataPanel);
        b->setObjectName(QString::fromLatin1(ButtonNames[i]));
        b->setGeometry(8, 32 + 30 * i, 164, 26);
        connect(b, &QPushButton::clicked, this, [this, i] { EphemerisButtonClick(i); });
    }
    EphemerisDataPanel->hide();

    // The panels are laid out once from the captions the core gives; only the
    // box texts change afterwards.
    const EphemerisPanelSet set = BuildEphemerisPanels(App().Ephemeris);
    for (size_t p = 0; p < set.size(); ++p) {
        const EphemerisPanel& panel = set[p];
        int boxes = 1;
        for (const EphemerisRow& row : panel.Rows)
            boxes = std::max(boxes, int(row.IsLine ? 1 : row.Boxes.size()));
        const int lineWidth = CaptionWidth + 2 * BoxWidth;
        const int width = std::max(CaptionWidth + boxes * (BoxWidth + 4), lineWidth) + 12;
        const int height = TitleHeight + int(panel.Rows.size()) * (RowHeight + 2) + 10;

        auto* frame = new QFrame(Client);
        frame->setObjectName(QString::fromLatin1(PanelNames[p]));
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        frame->setLineWidth(2);
        frame->setAutoFillBackground(true);
        frame->setGeometry(250, 55, width, height);
        auto* title = new QLabel(panel.Title, frame);
        title->setObjectName(QString::fromLatin1(PanelNames[p]) + QStringLiteral("Title"));
        title->setGeometry(6, 4, width - 12, TitleHeight - 4);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);

        QList<QList<QLabel*>> rowBoxes;
        for (int r = 0; r < panel.Rows.size(); ++r) {
            const EphemerisRow& row = panel.Rows[r];
            const int y = TitleHeight + r * (RowHeight + 2);
            QList<QLabel*> labels;
            if (row.IsLine) {
                // A summary line spans the whole panel.
                QLabel* line = ValueBox(frame, QRect(6, y, width - 12, RowHeight));
                line->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
                labels.append(line);
            } else {
                auto* caption = new QLabel(row.Caption, frame);
                caption->setGeometry(6, y, CaptionWidth - 8, RowHeight);
                for (int b = 0; b < row.Boxes.size(); ++b)
                    labels.append(ValueBox(
                        frame, QRect(CaptionWidth + b * (BoxWidth + 4), y, BoxWidth, RowHeight)));
            }
            rowBoxes.append(labels);
        }
        ResultPanels[p] = frame;
        ResultBoxes[p] = rowBoxes;
        frame->hide();
    }
    // Where the two-panel pages put their second panel.
    ResultPanels[size_t(EphemerisPanelId::SubEarth)]->move(500, 55);
    ResultPanels[size_t(EphemerisPanelId::Illumination)]->move(300, 170);
}

void TForm1::WriteEphemerisPanels()
{
    const EphemerisPanelSet set = BuildEphemerisPanels(App().Ephemeris);
    for (size_t p = 0; p < set.size(); ++p) {
        const EphemerisPanel& panel = set[p];
        const QList<QList<QLabel*>>& boxes = ResultBoxes[p];
        for (int r = 0; r < panel.Rows.size() && r < boxes.size(); ++r) {
            const EphemerisRow& row = panel.Rows[r];
            if (row.IsLine) {
                if (!boxes[r].isEmpty())
                    boxes[r][0]->setText(LineText(row));
                continue;
            }
            for (int b = 0; b < row.Boxes.size() && b < boxes[r].size(); ++b)
                boxes[r][b]->setText(row.Boxes[b].Text);
        }
    }
}

void TForm1::HideEphemerisPanels()
{
    for (QFrame* panel : ResultPanels)
        panel->hide();
}

void TForm1::ShowEphemerisPanels(std::initializer_list<EphemerisPanelId> shown)
{
    HideEphemerisPanels();
    for (EphemerisPanelId id : shown) {
        ResultPanels[size_t(id)]->show();
        ResultPanels[size_t(id)]->raise();
    }
}

void TForm1::EphemerisButtonClick(int button)
{
    using Id = EphemerisPanelId;
    switch (button) {
    case 0:
        ShowEphemerisPanels({Id::NumericalResults});
        break;
    case 1:
        ShowEphemerisPanels({Id::Time});
        break;
    case 2:
        ShowEphemerisPanels({Id::Sun});
        Charts[3]->hide();
        break;
    case 3:
        ShowEphemerisPanels({Id::Moon});
        Charts[3]->hide();
        break;
    case 4:
        ShowEphemerisPanels({Id::SubSolar, Id::SubEarth});
        break;
    case 5:
        ShowEphemerisPanels({Id::Disc, Id::Illumination});
        break;
    case 6:
        ShowEphemerisPanels({Id::Axis});
        break;
    case 7:
        ShowEphemerisPanels({Id::Topocentric});
        break;
    default:
        HideEphemerisPanels();
        EphemerisDataPanel->hide();
        TabControl1->setCurrentIndex(0);
        break;
    }
}
