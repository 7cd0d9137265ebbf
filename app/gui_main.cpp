// rebanto [--start-folder DIR] [--startup-time] [--screenshot DIR [--script FILE]] [FILE.mpc]: the
// desktop program; a pack file named on the command line (a file opened from the desktop) is loaded
// into the current tables at start, and one that cannot be read is named in a message.
// With --screenshot it starts up, saves every visible window as DIR/<window>.png, each
// page of the main window as DIR/TForm1-<page>.png, the current tables in each of their
// four layouts (TForCur-stacked, -side, -monthly, -bonus), the calendars of the dates
// (TForm1-TabSheet8-calendar, -months, TForm1-TabSheet1-days), the comparison window
// (TFormHi.png), the preview of the last job a script printed (print-preview.png), the whole screen
// with the windows where they opened (screen.png), the main window once more with its settings
// panel open (TForm1-settings.png), the rate selection list (TForm7.png) and each chart window left
// open in its modes (TForm5-flat, -rotated, -zoomed, -paged; TForm3 alike), and exits. With
// --script it first runs the script as rebanto-script would, on a headless platform so that no
// dialog can wait for an answer, printing what the script prints.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTimer>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include <unistd.h>

#include "base/errors.h"
#include "forms/app.h"
#include "io/install_folders.h"
#include "model/headless_platform.h"
#include "runner/script_runner.h"
#include "ui/app_look.h"
#include "ui/app_views.h"
#include "ui/chart_widget.h"
#include "ui/chart_window_view.h"
#include "ui/desktop_shot.h"
#include "ui/main_window_view.h"
#include "ui/qt_platform.h"
#include "ui/translations.h"
#include "ui/view_refresh.h"

namespace {

bool wants_screenshots(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 ||
            std::strncmp(argv[i], "--screenshot=", 13) == 0) {
            return true;
        }
    }
    return false;
}

// The value of "--screen WxH" or "--screen=WxH", read before Qt starts; empty when absent.
std::string screen_argument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screen") == 0 && i + 1 < argc) return argv[i + 1];
        if (std::strncmp(argv[i], "--screen=", 9) == 0) return argv[i] + 9;
    }
    return {};
}

// Lets pending layouts and paints settle before a window is grabbed.
void settle() {
    for (int i = 0; i < 3; ++i) {
        rebanto::ui::ViewRefresh::flush_all();
        QCoreApplication::processEvents();
    }
}

bool save(QWidget* window, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (window->grab().save(path)) return true;
    std::cerr << "rebanto: cannot write " << path.toStdString() << '\n';
    return false;
}

// Runs the script's commands against the application; its output goes to stdout.
int run_script(rebanto::App& app, rebanto::HeadlessPlatform& platform, const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    if (!in) {
        std::cerr << "rebanto: cannot read " << path.toStdString() << '\n';
        return rebanto::ScriptRunner::kBadScript;
    }
    rebanto::ScriptRunner runner(app, platform, std::cout, std::cerr);
    const int result = runner.run(in);
    std::cout.flush();
    return result;
}

// Each page of the main window, opened through the model as a click on its tab would;
// the page that was open is open again afterwards.
bool save_pages(rebanto::App& app, rebanto::ui::AppViews& views, const QDir& folder) {
    rebanto::PageControl& pages = app.main.PageControl1;
    const int open = pages.active_index();
    bool ok = true;
    for (rebanto::Panel* page : pages.pages()) {
        if (!page->visible()) continue;
        pages.set_active_page(*page);
        settle();
        ok = save(&views.main(), folder,
                  QStringLiteral("TForm1-") + QString::fromStdString(page->name())) &&
             ok;
    }
    pages.set_active_index(open);
    settle();
    return ok;
}

// The calendars of the dates, opened as the user opens them: the month calendar by a
// double click on the first monthly payment date (TForm1-TabSheet8-calendar), the months
// around the reference date by a right click on its picker (TForm1-TabSheet8-months),
// and the day counter of the calculation page by its monthly opener
// (TForm1-TabSheet1-days). Each is closed again afterwards.
bool save_date_calendars(rebanto::App& app, rebanto::ui::AppViews& views, const QDir& folder) {
    rebanto::TForm1& f = app.main;
    bool ok = true;
    f.PageControl1.set_active_page(f.TabSheet8);
    f.MsEd8_mon.dbl_click();
    settle();
    ok = save(&views.main(), folder, QStringLiteral("TForm1-TabSheet8-calendar")) && ok;
    f.MonthCalendar2.hide();
    f.DateTimePicker1.right_click();
    settle();
    ok = save(&views.main(), folder, QStringLiteral("TForm1-TabSheet8-months")) && ok;
    f.DateTimePicker1.right_click();
    f.PageControl1.set_active_page(f.TabSheet1);
    f.Label6.click();
    settle();
    ok = save(&views.main(), folder, QStringLiteral("TForm1-TabSheet1-days")) && ok;
    f.GrpSyokai.hide();
    settle();
    return ok;
}

// The current tables in each layout, chosen with the window's own buttons; stacked again
// afterwards.
bool save_table_layouts(rebanto::App& app, rebanto::ui::AppViews& views, const QDir& folder) {
    rebanto::TForCur& cur = app.cur;
    if (!cur.visible()) cur.show();
    const struct {
        rebanto::Button& button;
        const char* name;
    } layouts[] = {{cur.BitBtn1, "stacked"},
                   {cur.BitBtn2, "side"},
                   {cur.Button1, "monthly"},
                   {cur.Button2, "bonus"}};
    bool ok = true;
    for (const auto& layout : layouts) {
        layout.button.click();
        settle();
        ok = save(views.window(cur), folder,
                  QStringLiteral("TForCur-") + QLatin1String(layout.name)) &&
             ok;
    }
    cur.BitBtn1.click();
    settle();
    return ok;
}

// Each chart window left open, in the modes of its view besides the one the script left
// (saved with the other windows): flat (-flat), at the preset 330° and 330° (-rotated),
// zoomed by a drag over its left half and lower part (-zoomed) and on the second page of
// 60 points (-paged). The window's own controls change the modes, the zoom is dragged as
// the mouse drags it; the view is put back as it was.
bool save_chart_modes(rebanto::App& app, rebanto::ui::AppViews& views, const QDir& folder) {
    bool ok = true;
    for (rebanto::ChartWindow* chart : {static_cast<rebanto::ChartWindow*>(&app.cur_chart),
                                        static_cast<rebanto::ChartWindow*>(&app.composite_chart)}) {
        if (!chart->visible()) continue;
        QWidget* window = views.window(*chart);
        auto& widget = static_cast<rebanto::ui::ChartWindowView*>(window)->chart();
        const QString name = QString::fromStdString(chart->name());
        const std::string elevation = chart->Edit1.text();
        const std::string rotation = chart->Edit2.text();
        const bool view3d = chart->Chart1.model.view3d();
        const auto shot = [&](const char* mode) {
            settle();
            ok = save(window, folder, name + QLatin1String(mode)) && ok;
        };
        chart->Button6.click();
        shot("-flat");
        chart->Edit2.dbl_click();
        shot("-rotated");
        chart->Button5.click();
        const QRect area = widget.rect();
        widget.drag(QPoint(area.width() / 10, area.height() * 2 / 5),
                    QPoint(area.width() / 2, area.height() * 17 / 20));
        shot("-zoomed");
        widget.drag(QPoint(area.width() / 2, area.height() / 2), QPoint(10, 10));
        chart->Button7.click();
        chart->Button10.click();
        shot("-paged");
        chart->Button8.click();
        chart->Edit1.set_text(elevation);
        chart->Edit2.set_text(rotation);
        chart->Chart1.model.set_view3d(view3d);
        settle();
    }
    return ok;
}

int take_screenshots(rebanto::App& app, rebanto::ui::AppViews& views, const QString& dir,
                     const rebanto::HeadlessPlatform* headless) {
    const QDir folder(dir);
    if (!folder.mkpath(QStringLiteral("."))) {
        std::cerr << "rebanto: cannot create " << dir.toStdString() << '\n';
        return 1;
    }
    settle();
    bool ok = true;
    if (!rebanto::ui::desktop_image(app, views)
             .save(folder.filePath(QStringLiteral("screen.png")))) {
        std::cerr << "rebanto: cannot write "
                  << folder.filePath(QStringLiteral("screen.png")).toStdString() << '\n';
        ok = false;
    }
    for (rebanto::Form* form : app.forms()) {
        if (!form->visible()) continue;
        ok = save(views.window(*form), folder, QString::fromStdString(form->name())) && ok;
    }
    if (app.main.visible()) {
        ok = save_pages(app, views, folder) && ok;
        ok = save_date_calendars(app, views, folder) && ok;
    }
    ok = save_table_layouts(app, views, folder) && ok;
    // The comparison window as the current tables' "比較表" opens it.
    app.cur.Button6.click();
    settle();
    ok = save(views.window(app.compare), folder, QStringLiteral("TFormHi")) && ok;
    // The settings panel opens as the user would open it: a click on an indicator. It
    // floats over whichever page is open; the calculation page is the one it serves.
    app.main.PageControl1.set_active_page(app.main.TabSheet1);
    app.main.HRh.click();
    settle();
    ok = save(&views.main(), folder, QStringLiteral("TForm1-settings")) && ok;
    // The rate selection list as a rate field opens it (empty when there is no store).
    try {
        app.rate_list.read_store();
    } catch (const rebanto::FileError&) {
    }
    app.rate_list.show();
    settle();
    ok = save(views.window(app.rate_list), folder, QStringLiteral("TForm7")) && ok;
    ok = save_chart_modes(app, views, folder) && ok;
    // The preview of the last job the script printed (print-preview.png).
    if (headless != nullptr && !headless->printed().empty()) {
        const QString path = folder.filePath(QStringLiteral("print-preview.png"));
        if (!rebanto::ui::print_preview_image(headless->printed().back()).save(path)) {
            std::cerr << "rebanto: cannot write " << path.toStdString() << '\n';
            ok = false;
        }
    }
    return ok ? 0 : 1;
}

// The desktop's platform, whose first open dialog can be answered by a file named on the
// command line: a pack opened from the desktop loads as "読込" loads the file chosen.
class PackAtStartPlatform : public rebanto::ui::QtPlatform {
public:
    using QtPlatform::QtPlatform;
    void choose_first(const std::string& path) { chosen_ = path; }
    std::optional<std::string> open_file(const rebanto::FileDialogRequest& request) override {
        if (chosen_) {
            const std::optional<std::string> path = std::move(chosen_);
            chosen_.reset();
            return path;
        }
        return QtPlatform::open_file(request);
    }

private:
    std::optional<std::string> chosen_;
};

}  // namespace

// Milliseconds since the process was started, as the system counts it (to a hundredth of a
// second): loading the program and its libraries included. -1 when the system does not say.
long long ms_since_process_start() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // The fields after the command name (which may hold spaces) in parentheses; the start
    // time is the 22nd field of the whole line, the 20th after the name.
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    for (int i = 0; i < 20 && fields >> field; ++i) {
    }
    timespec now{};
    if (field.empty() || clock_gettime(CLOCK_BOOTTIME, &now) != 0) return -1;
    const long ticks = sysconf(_SC_CLK_TCK);
    const long long started_ms = std::stoll(field) * 1000 / ticks;
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000 - started_ms;
}

// With --startup-time the program quits once the main window has been painted for the
// first time and prints how long that took since the process started.
class FirstPaintClock : public QObject {
public:
    explicit FirstPaintClock(QWidget* window) : QObject(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Told once the paint is done, not as it begins.
            QTimer::singleShot(0, [] {
                std::cout << "main window painted after " << ms_since_process_start() << " ms\n";
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

int main(int argc, char** argv) {
    // Screenshots are made offscreen, on a screen of the size asked for (1920x1080 unless
    // --screen says otherwise).
    const std::string screen_size = screen_argument(argc, argv);
    const QByteArray platform_name = qgetenv("QT_QPA_PLATFORM");
    if (wants_screenshots(argc, argv) &&
        (platform_name.isEmpty() || platform_name == "offscreen")) {
        int width = 1920;
        int height = 1080;
        if (!screen_size.empty() && !rebanto::ui::parse_screen_size(screen_size, width, height)) {
            std::cerr << "rebanto: --screen " << screen_size
                      << ": give the size as WIDTHxHEIGHT, e.g. 1366x768\n";
            return 2;
        }
        if (!rebanto::ui::use_offscreen_screen(width, height))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication qt_app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(rebanto::App::kTitle));
    rebanto::ui::apply_app_look(qt_app);
    rebanto::ui::install_qt_translations(qt_app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Rebanto: housing loan calculator"));
    parser.addHelpOption();
    const QCommandLineOption start_folder(QStringLiteral("start-folder"),
                                          QStringLiteral("Folder of the settings and documents."),
                                          QStringLiteral("DIR"));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"), QStringLiteral("Save every visible window to DIR and exit."),
        QStringLiteral("DIR"));
    const QCommandLineOption script(
        QStringLiteral("script"),
        QStringLiteral("With --screenshot: run the script FILE first (rebanto-script commands)."),
        QStringLiteral("FILE"));
    const QCommandLineOption screen(
        QStringLiteral("screen"),
        QStringLiteral("With --screenshot: the size of the offscreen screen (default 1920x1080)."),
        QStringLiteral("WxH"));
    const QCommandLineOption startup_time(
        QStringLiteral("startup-time"),
        QStringLiteral("Quit once the main window is painted; print the milliseconds it took."));
    parser.addOption(start_folder);
    parser.addOption(startup_time);
    parser.addOption(screenshot);
    parser.addOption(script);
    parser.addOption(screen);
    parser.addPositionalArgument(QStringLiteral("FILE.mpc"),
                                 QStringLiteral("A pack file to load into the current tables."));
    parser.process(qt_app);
    if (parser.isSet(script) && !parser.isSet(screenshot)) {
        std::cerr << "rebanto: --script goes with --screenshot\n";
        return 2;
    }

    rebanto::AppOptions options;
    if (parser.isSet(start_folder)) {
        options.start_folder = parser.value(start_folder).toStdString();
    }
    if (const auto share = rebanto::installed_share_folder(rebanto::running_executable())) {
        options.documents_folder = *share;
        if (!parser.isSet(start_folder)) options.start_folder = rebanto::user_start_folder(*share);
    }
    // A scripted run answers its dialogs from the script, never from a user.
    std::unique_ptr<rebanto::Platform> platform;
    rebanto::HeadlessPlatform* headless = nullptr;
    if (parser.isSet(script)) {
        auto owned = std::make_unique<rebanto::HeadlessPlatform>();
        headless = owned.get();
        platform = std::move(owned);
    } else {
        platform = std::make_unique<PackAtStartPlatform>(
            options.documents_folder.empty() ? options.start_folder : options.documents_folder);
    }
    rebanto::App app(*platform, options);
    rebanto::ui::AppViews views(app);
    if (parser.isSet(startup_time)) new FirstPaintClock(views.window(app.main));
    QObject::connect(&views, &rebanto::ui::AppViews::quit_requested, &qt_app,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    app.start();
    if (!parser.positionalArguments().isEmpty()) {
        // The file stands for the choice the load's open dialog would ask for.
        const std::string pack = parser.positionalArguments().constFirst().toStdString();
        if (headless != nullptr) {
            headless->queue_file(pack);
        } else {
            static_cast<PackAtStartPlatform&>(*platform).choose_first(pack);
        }
        app.main.Button87.click();
    }
    rebanto::ui::ViewRefresh::flush_all();
    QCoreApplication::processEvents();
    views.place_for_first_start();
    rebanto::ui::ViewRefresh::flush_all();

    if (parser.isSet(screenshot)) {
        int result = 1;
        QTimer::singleShot(0, &qt_app, [&] {
            int script_result = 0;
            if (headless != nullptr) {
                script_result = run_script(app, *headless, parser.value(script));
                if (script_result == rebanto::ScriptRunner::kBadScript) {
                    QCoreApplication::exit(result = script_result);
                    return;
                }
            }
            result = take_screenshots(app, views, parser.value(screenshot), headless);
            if (result == 0) result = script_result;
            QCoreApplication::exit(result);
        });
        QApplication::exec();
        return result;
    }
    // The window manager frames the windows once they are mapped.
    QTimer::singleShot(500, &views, [&views] { views.bring_title_bars_on_screen(); });
    return QApplication::exec();
}
