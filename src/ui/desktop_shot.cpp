#include "ui/desktop_shot.h"

#include <QDir>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryFile>
#include <QWidget>
#include <memory>
#include <regex>

#include "forms/app.h"
#include "ui/app_views.h"
#include "ui/print_job.h"
#include "ui/screen_place.h"

namespace rebanto::ui {

bool parse_screen_size(const std::string& text, int& width, int& height) {
    static const std::regex size(R"(([1-9][0-9]{2,4})x([1-9][0-9]{2,4}))");
    std::smatch match;
    if (!std::regex_match(text, match, size)) return false;
    width = std::stoi(match[1].str());
    height = std::stoi(match[2].str());
    return true;
}

bool use_offscreen_screen(int width, int height) {
    // One file per process, kept until it ends: programs started side by side each read
    // their own.
    static QTemporaryFile file(QDir::temp().filePath(QStringLiteral("rebanto-screen-XXXXXX.json")));
    if (!file.isOpen() && !file.open()) return false;
    const QByteArray config =
        QByteArrayLiteral("{\"screens\": [{\"name\": \"screen\", \"x\": 0, \"y\": 0, \"width\": ") +
        QByteArray::number(width) + QByteArrayLiteral(", \"height\": ") +
        QByteArray::number(height) +
        QByteArrayLiteral(", \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}\n");
    if (!file.resize(0) || file.write(config) != config.size() || !file.flush()) return false;
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + file.fileName().toLocal8Bit());
    return true;
}

QImage print_preview_image(const PrintJob& job) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QDir::temp().filePath(QStringLiteral("rebanto-preview.pdf")));
    std::unique_ptr<QPrintPreviewDialog> preview(make_print_preview(printer, job, nullptr));
    preview->resize(1000, 900);
    preview->show();
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    return preview->grab().toImage();
}

QImage desktop_image(App& app, const AppViews& views) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->geometry() : QRect(0, 0, 1920, 1080);
    QImage image(area.size(), QImage::Format_RGB32);
    image.fill(QColor(58, 70, 84));
    QPainter painter(&image);
    // In the order the windows were made, each shown over the ones before: the current
    // tables over the main window, as at start.
    const std::vector<Form*>& order = app.forms();
    for (Form* form : order) {
        QWidget* window = views.window(*form);
        if (window == nullptr || !form->visible() || !window->isVisible()) continue;
        const FrameMargins frame = frame_margins(window);
        const QRect client = window->geometry().translated(-area.topLeft());
        const QRect outer = client.adjusted(-frame.left, -frame.top, frame.right, frame.bottom);
        painter.fillRect(outer, QColor(196, 204, 214));
        painter.setPen(Qt::black);
        painter.drawRect(outer.adjusted(0, 0, -1, -1));
        painter.drawText(outer.adjusted(8, 0, -8, 0).topLeft() + QPoint(0, frame.top * 2 / 3),
                         window->windowTitle());
        painter.drawPixmap(client.topLeft(), window->grab());
    }
    return image;
}

}  // namespace rebanto::ui
