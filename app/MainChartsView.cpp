// The seven charts of the main window, their overlay boxes, and the writing
// of sweep results into them.

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPrinter>
#include <QProgressBar>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "AppState.h"
#include "ChartSet.h"
#include "ClickablePanelWidget.h"
#include "MainPaletteView.h"
#include "ScaledLayoutWidget.h"
#include "Unit1.h"

namespace
{

constexpr int ChartLeft = 6;
constexpr int ChartTop = 332;
constexpr int ChartWidth = 997;
constexpr int ChartHeight = 432;
// The result boxes of Chart2 and Chart5 at the design size.
constexpr int BoxRowHeight = 44;
constexpr int BoxWidth = 322;

struct SeriesDef {
    const char* name;
    const char* title;
    bool line;
};

struct ChartDef {
    int kind;
    const char* title;
    const char* leftCaption;
    double leftMin, leftMax;
    const char* bottomCaption;
    double bottomMin, bottomMax, bottomStep;
    std::vector<SeriesDef> series;
    std::vector<std::pair<const char*, QColor>> legend;
};

const std::vector<ChartDef>& ChartDefs()
{
    using namespace MainColours;
    static const std::vector<ChartDef> defs = {
        {1,
         "Libration Rate",
         "Libration rate Deg/min",
         0,
         0.0045,
         "UTC Hour",
         0,
         24,
         2,
         {{"Station_A", "Station_A", true},
          {"Station_B", "Station_B", true},
          {"Series5", "Station A", false},
          {"Series6", "Station B", false},
          {"Series14", "AverageLine", true},
          {"Series13", "AverageDot", false}},
         {{"Home Station A Red", Red},
          {"Dx      Station B Blue", Blue},
          {"Station B at A Green", Green}}},
        {2,
         "Signal Width",
         "Signal width Hz",
         0,
         40,
         "UTC Hour",
         0,
         24,
         2,
         {{"Series3", "Seris0", true},
          {"Series12", "Seris1", true},
          {"Series7", "Series2", false},
          {"Series8", "Series3", false},
          {"Series1", "Seris4", true},
          {"Series15", "Seris5", false}},
         {{"Home Station A Red", Red},
          {"Dx      Station A Blue", Blue},
          {"Station B at A Green", Green}}},
        {3,
         " Elevation Window",
         "Elevation in \u00b0",
         0,
         90,
         "UTC Hour",
         0,
         24,
         2,
         {{"Series2", "Station_A", false}, {"Series4", "Station_B", false}},
         {{"HomeStation A Red", Red}, {"Dx     Station B Blue", Blue}}},
        {4,
         "Spatial Offset",
         "Clockwase Spatial off set in degrees",
         -90,
         90,
         "UTC Hour",
         0,
         24,
         2,
         {{"Series10", "Spatial Station A", false}, {"Series9", "Spatial Station B", false}},
         {{"Home Station A Red", Red}, {"Dx      Station B Blue", Blue}}},
        {5,
         "Signal Width - Time Window",
         "Signal Width in Hz",
         0,
         40,
         "UTC Hour",
         0,
         24,
         1,
         {{"Series16", "Station A", false},
          {"Series17", "Station B", false},
          {"Series18", "Average", false}},
         {{"Home Station A Red", Red}, {"Dx      Station A Blue", Blue}}},
        {6,
         "Doppler",
         "Doppler Shift in Hz",
         -4000,
         4000,
         "UTC Hour",
         0,
         24,
         2,
         {{"Series19", "Station A Doppler", false}, {"Series20", "Station B Doppler", false}},
         {{"Home Station A Red", Red}, {"Dx      Station B Blue", Blue}}},
        {7,
         "Libration over 7 days",
         "Signal width Hz",
         0,
         40,
         "Hours since Start Day ",
         0,
         168,
         24,
         {{"Series11", "Series11", true},
          {"Series21", "Series21", true},
          {"PointSeries1", "Station A", false},
          {"PointSeries2", "Station B", false},
          {"Series22", "Series22", true},
          {"PointSeries3", "Station B at A", false}},
         {{"Home Station A Red", Red},
          {"Dx      Station A Blue", Blue},
          {"Station B at A Green", Green}}},
    };
    return defs;
}

QColor PointQColour(PointColour c)
{
    switch (c) {
    case PointColour::Red:
        return MainColours::Red;
    case PointColour::Blue:
        return MainColours::Blue;
    case PointColour::Green:
        break;
    }
    return MainColours::Green;
}

QLabel* OverlayLabel(QWidget* parent, const QString& name, const QColor& colour)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setProperty(ScaledLayout::FontOnlyProperty, true);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
    QFont f = label->font();
    f.setPointSizeF(7.5);
    f.setBold(true);
    label->setFont(f);
    label->hide();
    return label;
}

// A result box: a heading and two text lines, in the station's colour. The
// window places it; its lines follow the box.
QFrame* ResultBox(QWidget* parent, const char* name, const char* heading, const char* line1,
                  const char* line2, const QColor& colour)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setAutoFillBackground(true);
    frame->setProperty(ScaledLayout::FontOnlyProperty, true);
    QPalette p = frame->palette();
    p.setColor(QPalette::Window, MainColours::Cream);
    p.setColor(QPalette::WindowText, colour);
    frame->setPalette(p);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(4, 1, 4, 1);
    layout->setSpacing(0);
    const char* texts[] = {heading, line1, line2};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(frame);
        QFont f = label->font();
        f.setPointSizeF(7.5);
        f.setBold(i == 0);
        label->setFont(f);
        label->setProperty(ScaledLayout::FontOnlyProperty, true);
        if (i == 0)
            label->setText(QString::fromLatin1(texts[i]));
        else
            label->setObjectName(QString::fromLatin1(texts[i]));
        layout->addWidget(label);
    }
    frame->hide();
    return frame;
}

QValueAxis* Axis(QChart* chart, Qt::Orientation orientation)
{
    const QList<QAbstractAxis*> axes = chart->axes(orientation);
    return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.first());
}

} // namespace

void TForm1::CreateCharts()
{
    for (const ChartDef& def : ChartDefs()) {
        auto* chart = new QChart();
        chart->setTitle(QString::fromUtf8(def.title));
        QFont titleFont = chart->titleFont();
        titleFont.setPointSizeF(10);
        titleFont.setBold(true);
        chart->setTitleFont(titleFont);
        chart->legend()->hide();
        chart->setBackgroundRoundness(0);
        chart->setMargins(QMargins(6, 6, 6, 6));

        auto* bottom = new QValueAxis(chart);
        bottom->setTitleText(QString::fromUtf8(def.bottomCaption));
        bottom->setRange(def.bottomMin, def.bottomMax);
        bottom->setTickType(QValueAxis::TicksDynamic);
        bottom->setTickAnchor(0);
        bottom->setTickInterval(def.bottomStep);
        bottom->setLabelFormat(QStringLiteral("%g"));
        auto* left = new QValueAxis(chart);
        left->setTitleText(QString::fromUtf8(def.leftCaption));
        left->setRange(def.leftMin, def.leftMax);
        if (def.kind == 1) {
            // Rates of a few thousandths of a degree a minute: "0.####".
            left->setTickCount(10);
            left->setLabelFormat(QStringLiteral("%.4g"));
        } else if (def.kind == 3 || def.kind == 4) {
            left->setTickType(QValueAxis::TicksDynamic);
            left->setTickAnchor(0);
            left->setTickInterval(def.kind == 3 ? 10 : 30);
            left->setLabelFormat(QStringLiteral("%g"));
        } else {
            left->setTickCount(def.kind == 6 ? 9 : 6);
            left->setLabelFormat(QStringLiteral("%g"));
        }
        chart->addAxis(bottom, Qt::AlignBottom);
        chart->addAxis(left, Qt::AlignLeft);

        for (const SeriesDef& s : def.series) {
            QXYSeries* series = nullptr;
            if (s.line) {
                series = new QLineSeries(chart);
            } else {
                auto* points = new QScatterSeries(chart);
                points->setMarkerShape(QScatterSeries::MarkerShapeCircle);
                points->setMarkerSize(5.0);
                points->setBorderColor(Qt::transparent);
                series = points;
            }
            series->setObjectName(QString::fromLatin1(s.name));
            series->setName(QString::fromLatin1(s.title));
            chart->addSeries(series);
            series->attachAxis(bottom);
            series->attachAxis(left);
        }

        auto* view = new QChartView(chart, Client);
        view->setObjectName(QStringLiteral("Chart%1").arg(def.kind));
        view->setGeometry(ChartLeft, ChartTop, ChartWidth, ChartHeight);
        view->setRenderHint(QPainter::Antialiasing);
        view->setProperty(ScaledLayout::ScaleChildrenProperty, true);
        view->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        Charts[def.kind] = view;

        // Legend texts: fixed coloured lines in the plot's lower right corner.
        QList<QLabel*> legend;
        for (const auto& [text, colour] : def.legend) {
            auto* label = new QLabel(QString::fromLatin1(text), view);
            QPalette p = label->palette();
            p.setColor(QPalette::WindowText, colour);
            label->setPalette(p);
            QFont f = label->font();
            f.setPointSizeF(8);
            f.setBold(true);
            label->setFont(f);
            label->adjustSize();
            label->setProperty(ScaledLayout::FontOnlyProperty, true);
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
            legend.append(label);
        }
        connect(chart, &QChart::plotAreaChanged, view, [view, legend](const QRectF& plot) {
            // The chart fills the viewport, so plot coordinates are viewport coordinates.
            const QPoint corner = view->viewport()->mapToParent(plot.bottomRight().toPoint());
            int y = corner.y() - 4;
            for (int i = int(legend.size()) - 1; i >= 0; --i) {
                QLabel* label = legend[i];
                label->adjustSize();
                y -= label->height();
                label->move(corner.x() - label->width() - 6, y);
            }
        });
    }
    for (int kind = 2; kind <= 7; ++kind)
        Charts[kind]->hide();

    using namespace MainColours;
    // Chart2: minimum boxes along the bottom, maximum boxes along the top.
    QWidget* c2 = Charts[2];
    ResultBox(c2, "Panel2", "Home Station Minimum Libration", "Label111", "Label6", Red);
    ResultBox(c2, "Panel9", "Home Station Maximum Libration", "Label119", "Label114", Red);
    ResultBox(c2, "Panel3", "Dx Station Minimum Libration", "Label121", "Label113", Blue);
    ResultBox(c2, "Panel169", "Dx Station Maximum Libration", "Label124", "Label122", Blue);
    OverlayLabel(c2, QStringLiteral("Label4"), Green);
    OverlayLabel(c2, QStringLiteral("Label125"), Green);

    // Chart5: the same layout with its own boxes, and the hour window's ends.
    QWidget* c5 = Charts[5];
    ResultBox(c5, "Panel4", "Home Station Minimum Libration", "Label5", "Label1", Red);
    ResultBox(c5, "Panel180", "Home Station Maximum Libration", "Label131", "Label129", Red);
    ResultBox(c5, "Panel5", "Dx Station Minimum Libration", "Label105", "Label85", Blue);
    ResultBox(c5, "Panel179", "Dx Station Maximum Libration", "Label128", "Label126", Blue);
    OverlayLabel(c5, QStringLiteral("Label112"), Green);
    OverlayLabel(c5, QStringLiteral("Label132"), Green);
    for (const char* name : {"Panel196", "Panel199"}) {
        auto* end = new ClickablePanel(QString(), c5);
        end->setObjectName(QString::fromLatin1(name));
        end->setCursor(Qt::ArrowCursor);
        end->setProperty(ScaledLayout::FontOnlyProperty, true);
        end->setToolTip(QStringLiteral("Hour window shown"));
    }

    // Chart4: the notice for a single station.
    QLabel* notice = OverlayLabel(Charts[4], QStringLiteral("Panel178"), Red);
    notice->setText(QStringLiteral("Only one Station Selected ... No Spatial off set"));
    notice->setFrameStyle(QFrame::Panel | QFrame::Raised);
    notice->setAutoFillBackground(true);
    QFont big = notice->font();
    big.setPointSizeF(11);
    notice->setFont(big);

    for (int kind : {2, 4, 5})
        Charts[kind]->installEventFilter(this);

    // Chart7: a date above each day, and two result panels that stay empty.
    QChartView* c7 = Charts[7];
    QList<QLabel*> dates;
    for (const char* name :
         {"Label152", "Label153", "Label157", "Label158", "Label159", "Label160", "Label161"}) {
        QLabel* label = OverlayLabel(c7, QString::fromLatin1(name), QColor(0, 0, 128));
        label->setWordWrap(false);
        label->show();
        dates.append(label);
    }
    for (const char* name : {"Panel202", "Panel203"}) {
        auto* empty = new QFrame(c7);
        empty->setObjectName(QString::fromLatin1(name));
        empty->setGeometry(6, 6, 10, 10);
        empty->hide();
    }
    connect(c7->chart(), &QChart::plotAreaChanged, c7, [c7, dates](const QRectF& plot) {
        const QPoint topLeft = c7->viewport()->mapToParent(plot.topLeft().toPoint());
        const double dayWidth = plot.width() / 7.0;
        for (int k = 0; k < dates.size(); ++k)
            dates[k]->setGeometry(int(topLeft.x() + k * dayWidth), topLeft.y() + 4, int(dayWidth),
                                  18);
    });
}

void TForm1::LayoutChartOverlays(int kind)
{
    QChartView* view = ChartView(kind);
    const int w = view->width();
    const int h = view->height();
    if (kind == 4) {
        if (auto* notice = view->findChild<QLabel*>(QStringLiteral("Panel178")))
            notice->setGeometry(w / 2 - w * 22 / 100, h / 2 - h / 20, w * 44 / 100,
                                std::max(notice->sizeHint().height(), h / 10));
        return;
    }
    // Boxes keep the window's text size; their width follows the chart's.
    const double fontScale = std::min(Client->ScaleX(), Client->ScaleY());
    const int rowHeight = int(std::lround(BoxRowHeight * fontScale));
    const int boxWidth = int(std::lround(BoxWidth * double(w) / ChartWidth));
    const int gap = 6;
    const int top = 3;
    const int bottom = h - rowHeight - 4;
    const int centreLeft = gap + boxWidth + gap;
    const int centreWidth = w - 2 * (boxWidth + 2 * gap);
    view->chart()->setMargins(QMargins(6, rowHeight + 6, 6, rowHeight + 6));
    const char* const names[2][6] = {
        {"Panel9", "Panel169", "Label125", "Panel2", "Panel3", "Label4"},
        {"Panel180", "Panel179", "Label132", "Panel4", "Panel5", "Label112"}};
    const char* const* n = names[kind == 2 ? 0 : 1];
    const QRect places[6] = {
        {gap, top, boxWidth, rowHeight},
        {w - gap - boxWidth, top, boxWidth, rowHeight},
        {centreLeft, top, centreWidth, rowHeight},
        {gap, bottom, boxWidth, rowHeight},
        {w - gap - boxWidth, bottom, boxWidth, rowHeight},
        {centreLeft, bottom, centreWidth, rowHeight},
    };
    for (int i = 0; i < 6; ++i)
        if (auto* box = view->findChild<QWidget*>(QString::fromLatin1(n[i])))
            box->setGeometry(places[i]);
    if (kind == 5) {
        const int endHeight = int(std::lround(20 * fontScale));
        const int endWidth = int(std::lround(60 * fontScale));
        if (auto* start = view->findChild<QWidget*>(QStringLiteral("Panel196")))
            start->setGeometry(centreLeft, bottom - endHeight - 4, endWidth, endHeight);
        if (auto* end = view->findChild<QWidget*>(QStringLiteral("Panel199")))
            end->setGeometry(centreLeft + centreWidth - endWidth, bottom - endHeight - 4, endWidth,
                             endHeight);
    }
}

QChartView* TForm1::ChartView(int kind) const
{
    if (kind < 1 || kind > 7)
        return nullptr;
    return Charts[kind];
}

QXYSeries* TForm1::SeriesAt(int chart, int index) const
{
    QChartView* view = ChartView(chart);
    if (!view)
        return nullptr;
    const QList<QAbstractSeries*> series = view->chart()->series();
    if (index < 0 || index >= series.size())
        return nullptr;
    return qobject_cast<QXYSeries*>(series[index]);
}

void TForm1::ApplyAxis(const AxisSetting& setting)
{
    QChartView* view = ChartView(setting.chart);
    if (!view)
        return;
    QValueAxis* axis =
        Axis(view->chart(), setting.axis == ChartAxis::Bottom ? Qt::Horizontal : Qt::Vertical);
    if (!axis)
        return;
    if (setting.caption)
        axis->setTitleText(*setting.caption);
    if (setting.minimum && setting.maximum)
        axis->setRange(*setting.minimum, *setting.maximum);
    else if (setting.minimum)
        axis->setMin(*setting.minimum);
    else if (setting.maximum)
        axis->setMax(*setting.maximum);
}

void TForm1::ApplySweepResult(const SweepResult& result)
{
    for (const SeriesRef& ref : result.clearedSeries)
        if (QXYSeries* series = SeriesAt(ref.chart, ref.series))
            series->clear();
    for (const AxisSetting& setting : result.axes)
        ApplyAxis(setting);
    for (const auto& [ref, points] : result.points) {
        QXYSeries* series = SeriesAt(ref.chart, ref.series);
        if (!series)
            continue;
        QList<QPointF> xy;
        xy.reserve(qsizetype(points.size()));
        for (const ChartPoint& p : points)
            xy.append(QPointF(p.Hours(), p.value));
        if (!points.empty()) {
            const QColor colour = PointQColour(points.front().colour);
            series->setColor(colour);
            // A point in another colour than the series keeps its own.
            QHash<int, QHash<QXYSeries::PointConfiguration, QVariant>> own;
            for (int i = 0; i < int(points.size()); ++i)
                if (points[size_t(i)].colour != points.front().colour)
                    own[i][QXYSeries::PointConfiguration::Color] =
                        PointQColour(points[size_t(i)].colour);
            series->clearPointsConfiguration();
            if (!own.isEmpty())
                series->setPointsConfiguration(own);
        }
        series->replace(xy);
    }
    for (const auto& [name, text] : result.texts)
        if (auto* label = findChild<QLabel*>(name))
            label->setText(text);
    for (const auto& [name, shown] : result.shown)
        if (auto* widget = findChild<QWidget*>(name)) {
            widget->setVisible(shown);
            if (shown)
                widget->raise();
        }
    ProgressBar1->setMaximum(std::max(1, result.progress.maximum));
    ProgressBar1->setValue(std::clamp(result.progress.position, 0, ProgressBar1->maximum()));
}

void TForm1::ApplySelection(const ChartSelection& selection)
{
    for (const auto& [name, yellow] : selection.yellow)
        if (auto* panel = findChild<ClickablePanel*>(name))
            panel->SetColour(yellow ? MainColours::Yellow : MainColours::ButtonFace(panel));
    for (int kind = 1; kind <= 7; ++kind)
        Charts[kind]->setVisible(kind == selection.visibleChart);
    for (const QString& name : selection.hiddenBoxes)
        if (auto* widget = findChild<QWidget*>(name))
            widget->hide();
}

void TForm1::ClearCharts()
{
    const ClearChartsData data = ::ClearCharts();
    for (const SeriesRef& ref : data.series)
        if (QXYSeries* series = SeriesAt(ref.chart, ref.series))
            series->clear();
    for (const QString& name : data.hidden)
        if (auto* widget = findChild<QWidget*>(name))
            widget->hide();
}

QImage TForm1::ChartPicture(int chart)
{
    QChartView* view = ChartView(chart);
    if (!view)
        return {};
    // Laid out again at 1024 × 768 for the picture, then put back.
    const QSize onScreen = view->size();
    view->resize(1024, 768);
    QCoreApplication::sendPostedEvents();
    QImage picture(2048, 1536, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(2.0);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        static_cast<QWidget*>(view)->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    view->resize(onScreen);
    QCoreApplication::sendPostedEvents();
    return picture;
}

bool TForm1::PrintChart(QPrinter& printer, int chart)
{
    if (!ChartView(chart))
        return false;
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setColorMode(App().MonoPrint == 1 ? QPrinter::GrayScale : QPrinter::Color);
    QImage picture = ChartPicture(chart);
    if (App().MonoPrint == 1)
        picture = picture.convertToFormat(QImage::Format_Grayscale8);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // Stretched onto the page 10 device units in from each edge.
    const QRect page = painter.viewport();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(10, 10, page.width() - 20, page.height() - 20), picture);
    return painter.end();
}
