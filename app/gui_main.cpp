// rebanto [--start-folder DIR] [--screenshot DIR]: the desktop program. With --screenshot
// it starts up, saves every visible window as DIR/<window>.png (and the main window once
// more with its settings panel open, as TForm1-settings.png), and exits.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTimer>
#include <cstring>
#include <iostream>

#include "forms/app.h"
#include "ui/app_look.h"
#include "ui/app_views.h"
#include "ui/main_window_view.h"
#include "ui/qt_platform.h"
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

int take_screenshots(rebanto::App& app, rebanto::ui::AppViews& views, const QString& dir) {
    const QDir folder(dir);
    if (!folder.mkpath(QStringLiteral("."))) {
        std::cerr << "rebanto: cannot create " << dir.toStdString() << '\n';
        return 1;
    }
    settle();
    bool ok = true;
    for (rebanto::Form* form : app.forms()) {
        if (!form->visible()) continue;
        ok = save(views.window(*form), folder, QString::fromStdString(form->name())) && ok;
    }
    // The settings panel opens as the user would open it: a click on an indicator.
    app.main.HRh.click();
    settle();
    ok = save(&views.main(), folder, QStringLiteral("TForm1-settings")) && ok;
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (wants_screenshots(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication qt_app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(rebanto::App::kTitle));
    rebanto::ui::apply_app_look(qt_app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Rebanto: housing loan calculator"));
    parser.addHelpOption();
    const QCommandLineOption start_folder(QStringLiteral("start-folder"),
                                          QStringLiteral("Folder of the settings and documents."),
                                          QStringLiteral("DIR"));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"), QStringLiteral("Save every visible window to DIR and exit."),
        QStringLiteral("DIR"));
    parser.addOption(start_folder);
    parser.addOption(screenshot);
    parser.process(qt_app);

    rebanto::AppOptions options;
    if (parser.isSet(start_folder)) {
        options.start_folder = parser.value(start_folder).toStdString();
    }
    rebanto::ui::QtPlatform platform(options.start_folder);
    rebanto::App app(platform, options);
    rebanto::ui::AppViews views(app);
    QObject::connect(&views, &rebanto::ui::AppViews::quit_requested, &qt_app,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    app.start();
    rebanto::ui::ViewRefresh::flush_all();

    if (parser.isSet(screenshot)) {
        int result = 1;
        QTimer::singleShot(0, &qt_app, [&] {
            result = take_screenshots(app, views, parser.value(screenshot));
            QCoreApplication::exit(result);
        });
        QApplication::exec();
        return result;
    }
    return QApplication::exec();
}
