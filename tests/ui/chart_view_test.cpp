// The chart windows on screen: the view binds the window's controls, the chart follows
// its model, a drag zooms and the reverse drag restores, a double click brings the main
// windows forward, the PNG file is the chart at its size, and the parts of the chart stay
// inside it in every view. The widget alone takes plain data.
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

#include "ui/app_views.h"
#include "ui/binder.h"
#include "ui/chart_layout.h"
#include "ui/chart_painter.h"
#include "ui/chart_widget.h"
#include "ui/chart_window_view.h"
#include "ui_fixture.h"

namespace rebanto::ui {
namespace {

class ChartViewTest : public AppViewTest {
protected:
    TForm5& form() { return app().cur_chart; }
    ChartWindowView& view() { return *static_cast<ChartWindowView*>(views().window(form())); }
    ChartWidget& widget() { return view().chart(); }
    ChartModel& chart() { return form().Chart1.model; }
    // The typical loan in one-month steps, charted.
    void chart_typical_loan() {
        TForm1& f = app().main;
        f.Ed0_moto.set_text("30000000");
        f.Ed0_kin.set_text("2.325");
        f.Ed0_nen.set_text("35");
        f.Ed0_wari.set_text("20");
        f.Ed1_mm5.set_text("1");
        f.Button18.click();
        f.Button112.click();
        flush();
    }
    ChartLayout layout() {
        return ChartLayout(chart(), QRectF(widget().rect()), QFontMetricsF(widget().font()));
    }
    void drag(QPoint from, QPoint to) {
        QTest::mousePress(&widget(), Qt::LeftButton, {}, from);
        QTest::mouseMove(&widget(), (from + to) / 2);
        QTest::mouseMove(&widget(), to);
        QTest::mouseRelease(&widget(), Qt::LeftButton, {}, to);
        flush();
    }
    static int count_colour(const QImage& image, QRgb colour) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
        }
        return n;
    }
};

TEST_F(ChartViewTest, TheWindowShowsItsControlsAndTheChart) {
    for (const Control* control :
         std::initializer_list<const Control*>{&form().Button1, &form().Button3, &form().Edit1,
                                               &form().Edit2, &form().Button7, &form().Button11}) {
        EXPECT_NE(view().binder().widget(*control), nullptr) << control->name();
    }
    EXPECT_EQ(view().binder().widget(form().Chart1), &widget());
    chart_typical_loan();
    EXPECT_TRUE(view().isVisible());
    EXPECT_EQ(view().windowTitle().toStdString(), form().caption());
    EXPECT_FALSE(
        static_cast<QAbstractButton*>(view().binder().widget(form().Button9))->isEnabled());
}

TEST_F(ChartViewTest, ADragDownToTheRightZoomsAndADragBackRestores) {
    chart_typical_loan();
    form().Button6.click();  // flat: the drag maps straight onto the plot
    const QRectF plot = layout().plot();
    const QPoint from = (plot.topLeft() + QPointF(plot.width() * 0.25, 10)).toPoint();
    const QPoint to = (plot.topLeft() + QPointF(plot.width() * 0.5, plot.height() - 10)).toPoint();
    drag(from, to);
    ASSERT_TRUE(chart().zoomed());
    const PointRange shown = chart().shown_points();
    EXPECT_NEAR(shown.first, 421 * 0.25, 3);
    EXPECT_NEAR(shown.last, 421 * 0.5, 3);
    drag(to, from);
    EXPECT_FALSE(chart().zoomed());
    EXPECT_EQ(chart().shown_points(), (PointRange{0, 421}));
}

TEST_F(ChartViewTest, ADragIn3DZoomsThroughTheFrontOfTheBox) {
    chart_typical_loan();
    ASSERT_TRUE(chart().view3d());
    const QRectF plot = layout().plot();
    drag((plot.topLeft() + QPointF(plot.width() * 0.1, 20)).toPoint(),
         (plot.topLeft() + QPointF(plot.width() * 0.4, plot.height() - 20)).toPoint());
    ASSERT_TRUE(chart().zoomed());
    EXPECT_LT(chart().shown_points().count(), 421);
}

TEST_F(ChartViewTest, AClickOrATinyDragChangesNothing) {
    chart_typical_loan();
    const QPoint middle = widget().rect().center();
    drag(middle, middle + QPoint(2, 3));
    QTest::mouseClick(&widget(), Qt::LeftButton, {}, middle);
    flush();
    EXPECT_FALSE(chart().zoomed());
}

TEST_F(ChartViewTest, ADoubleClickOnTheChartBringsTheMainWindowsBack) {
    chart_typical_loan();
    app().main.hide();
    app().cur.hide();
    flush();
    QTest::mouseDClick(&widget(), Qt::LeftButton, {}, widget().rect().center());
    flush();
    EXPECT_TRUE(app().main.visible());
    EXPECT_TRUE(views().window(app().main)->isVisible());
    EXPECT_TRUE(views().window(app().cur)->isVisible());
}

TEST_F(ChartViewTest, ThePngFileIsTheChartAtItsSize) {
    chart_typical_loan();
    const QString path = QDir(QDir::tempPath()).filePath(QStringLiteral("rebanto-chart-test.png"));
    QFile::remove(path);
    platform_.take_log();
    platform_.queue_file(path.toStdString());
    QTest::mouseClick(view().binder().widget(form().Button11), Qt::LeftButton);
    flush();
    QImage saved;
    ASSERT_TRUE(saved.load(path, "PNG"));
    EXPECT_EQ(saved.size(), widget().size());
    EXPECT_GT(count_colour(saved, qRgb(0, 255, 255)), 100) << "the new principal's bars";
    QFile::remove(path);
    EXPECT_TRUE(platform_.take_log().empty());
}

TEST_F(ChartViewTest, TheImageShowsTheSeriesColoursAndTheBackgroundGradient) {
    chart_typical_loan();
    form().Button6.click();
    const QImage image = widget().image();
    EXPECT_GT(count_colour(image, qRgb(0, 255, 255)), 1000);
    EXPECT_GT(count_colour(image, qRgb(255, 0, 0)), 100);
    EXPECT_EQ(image.pixel(1, image.height() - 1) & 0xFFFFFF, qRgb(0xFF, 0x80, 0x40) & 0xFFFFFF)
        << "the gradient ends in the monthly table's colour";
}

TEST_F(ChartViewTest, AnEmptyChartDrawsItsWallsAndLegendButNoBars) {
    app().main.Button112.click();
    flush();
    const QImage image = widget().image();
    EXPECT_LT(count_colour(image, qRgb(0, 255, 255)), 200) << "only the legend's swatch";
    EXPECT_GT(count_colour(image, qRgb(0, 255, 255)), 20);
}

TEST_F(ChartViewTest, TheLegendThePlotAndTheFootStayInsideTheChartInEveryView) {
    chart_typical_loan();
    const QRectF area(widget().rect());
    const auto check = [&](const char* mode) {
        const ChartLayout l = layout();
        EXPECT_TRUE(area.contains(l.plot())) << mode;
        EXPECT_TRUE(area.contains(l.foot_box())) << mode;
        EXPECT_TRUE(area.contains(l.axis_title_box())) << mode;
        EXPECT_FALSE(l.plot().intersects(l.axis_title_box())) << mode;
        ASSERT_EQ(l.legend().size(), 4u) << mode;
        for (std::size_t i = 0; i < l.legend().size(); ++i) {
            EXPECT_TRUE(area.contains(l.legend()[i].swatch)) << mode;
            EXPECT_LT(l.legend()[i].swatch.bottom(), l.plot().top()) << mode;
            if (i > 0) {
                EXPECT_GT(l.legend()[i].swatch.left(), l.legend()[i - 1].text_at.x()) << mode;
            }
        }
        for (const double x : {0.0, l.width()}) {
            for (const double y : {0.0, l.height()}) {
                for (const double z : {0.0, l.depth()}) {
                    const QPointF p = l.screen({x, y, z});
                    EXPECT_TRUE(l.plot().adjusted(-0.5, -0.5, 0.5, 0.5).contains(p)) << mode;
                }
            }
        }
    };
    check("3-D");
    form().Edit2.dbl_click();
    check("330");
    form().Edit1.dbl_click();
    check("300");
    form().Button6.click();
    check("flat");
    view().resize(360, 260);
    flush();
    check("small");
}

TEST_F(ChartViewTest, AWidgetOfItsOwnTakesPlainSeriesAndZoomsThem) {
    ChartWidget standalone;
    standalone.resize(500, 320);
    ChartData data;
    ChartSeries bars{"差額", SeriesKind::StackedBar, {0, 0, 255}, 0, {}};
    ChartSeries line{"累計", SeriesKind::Line, {255, 0, 255}, 0, {}};
    for (int i = 0; i < 24; ++i) {
        data.labels.push_back(std::to_string(i + 1));
        bars.values.emplace_back(i % 3 == 0 ? std::optional<double>() : 1000.0 * i);
        line.values.emplace_back(500.0 * i);
    }
    data.series = {bars, line};
    standalone.set_data(data);
    standalone.model().set_view3d(false);
    EXPECT_EQ(standalone.model().point_count(), 24);
    EXPECT_GT(count_colour(standalone.image(), qRgb(0, 0, 255)), 100);
    standalone.drag(QPoint(60, 60), QPoint(250, 250));
    EXPECT_TRUE(standalone.model().zoomed());
    standalone.drag(QPoint(250, 250), QPoint(60, 60));
    EXPECT_FALSE(standalone.model().zoomed());
}

}  // namespace
}  // namespace rebanto::ui
