#include "ui/print_job.h"

#include <QAction>
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <algorithm>
#include <cmath>

#include "ui/memo_font.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

QFont qfont_of(const FontChoice& choice) {
    QFont font;
    if (!choice.name.empty()) font.setFamily(to_q(choice.name));
    if (choice.size > 0) font.setPointSize(choice.size);
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    return font;
}

// Memo lines are columns of characters: a fixed pitch keeps them lined up, and a family
// with Japanese glyphs of its own keeps the full-width ones two columns wide (glyphs
// borrowed from another family keep to no pitch, and on the printer they overran the text
// after them).
QFont print_font(const FontChoice& choice) {
    return with_memo_family(qfont_of(choice), to_q(choice.name));
}

PrintLayout print_layout(double widest_line, double line_height, double page_width,
                         double page_height, bool fit_width) {
    PrintLayout layout;
    if (fit_width && widest_line > page_width && widest_line > 0) {
        layout.scale = page_width / widest_line;
    }
    const double scaled_line = line_height * layout.scale;
    layout.lines_per_page =
        scaled_line > 0 ? std::max(1, static_cast<int>(std::floor(page_height / scaled_line))) : 1;
    return layout;
}

bool render_print_job(QPrinter& printer, const PrintJob& job, bool fit_width) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setFont(QFont(print_font(job.font), painter.device()));
    const QColor colour(to_q(job.font.color));
    painter.setPen(colour.isValid() ? colour : QColor(Qt::black));
    const QRect page = painter.viewport();
    const QFontMetricsF metrics = QFontMetricsF(painter.font(), painter.device());
    double widest = 0;
    for (const auto& line : job.lines)
        widest = std::max(widest, metrics.horizontalAdvance(to_q(line)));
    const PrintLayout layout =
        print_layout(widest, metrics.lineSpacing(), page.width(), page.height(), fit_width);
    painter.scale(layout.scale, layout.scale);
    int on_page = 0;
    double y = 0;
    for (const auto& line : job.lines) {
        if (on_page == layout.lines_per_page) {
            printer.newPage();
            on_page = 0;
            y = 0;
        }
        painter.drawText(QPointF(0, y + metrics.ascent()), to_q(line));
        y += metrics.lineSpacing();
        ++on_page;
    }
    return painter.end();
}

QPrintPreviewDialog* make_print_preview(QPrinter& printer, const PrintJob& job, QWidget* parent) {
    auto* preview = new QPrintPreviewDialog(&printer, parent);
    preview->setWindowTitle(QStringLiteral("印刷プレビュー － ") + to_q(job.title));
    auto* fit = new QAction(QStringLiteral("幅に合わせる"), preview);
    fit->setObjectName(QStringLiteral("fit_width"));
    fit->setCheckable(true);
    fit->setChecked(true);
    fit->setToolTip(
        QStringLiteral("ページの幅に収まらない行があるとき、全体を縮小して切れないようにします"));
    if (auto* bar = preview->findChild<QToolBar*>()) {
        bar->addSeparator();
        bar->addAction(fit);
    }
    // The job is copied: the preview may outlive the caller's job.
    QObject::connect(
        preview, &QPrintPreviewDialog::paintRequested, preview,
        [job, fit](QPrinter* target) { render_print_job(*target, job, fit->isChecked()); });
    QObject::connect(fit, &QAction::toggled, preview, [preview] {
        if (auto* pages = preview->findChild<QPrintPreviewWidget*>()) pages->updatePreview();
    });
    return preview;
}

bool print_job_to_pdf(const PrintJob& job, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(to_q(job.title));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return render_print_job(printer, job);
}

}  // namespace rebanto::ui
