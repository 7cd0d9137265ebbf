#include "ui/print_job.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPrinter>

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

bool render_print_job(QPrinter& printer, const PrintJob& job) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    QFont font = qfont_of(job.font);
    // Memo lines are columns of characters: a fixed pitch keeps them lined up.
    font.setStyleHint(QFont::TypeWriter);
    painter.setFont(QFont(font, painter.device()));
    const QColor colour(to_q(job.font.color));
    painter.setPen(colour.isValid() ? colour : QColor(Qt::black));
    const QRect page = painter.viewport();
    const int line_height = painter.fontMetrics().lineSpacing();
    const int ascent = painter.fontMetrics().ascent();
    int y = 0;
    for (const auto& line : job.lines) {
        if (y + line_height > page.height() && y > 0) {
            printer.newPage();
            y = 0;
        }
        painter.drawText(0, y + ascent, to_q(line));
        y += line_height;
    }
    return painter.end();
}

bool print_job_to_pdf(const PrintJob& job, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(to_q(job.title));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return render_print_job(printer, job);
}

}  // namespace rebanto::ui
