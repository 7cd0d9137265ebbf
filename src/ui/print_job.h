#pragma once
// Printing the lines of a memo: onto a printer's pages, or into a PDF file for a user who
// has no printer.
#include <QFont>
#include <QString>

#include "model/platform.h"

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace rebanto::ui {

// The font a choice names; an empty name keeps the application's family.
QFont qfont_of(const FontChoice& choice);

// The font the lines are printed in: the chosen one when it is installed, else the
// fixed-pitch Japanese family the memos show in, at the chosen size.
QFont print_font(const FontChoice& choice);

// How the lines go onto a page: the scale that makes the widest line fit the page's width
// (1 when it fits already, or when fitting is off) and the lines a page then holds.
struct PrintLayout {
    double scale = 1.0;
    int lines_per_page = 1;
};
PrintLayout print_layout(double widest_line, double line_height, double page_width,
                         double page_height, bool fit_width);

// Draws the job's lines in its font down the printer's pages, a new page when one is
// full; with `fit_width` a line wider than the page shrinks the whole job so that nothing
// is cut off at the right. False when the printer could not be started.
bool render_print_job(QPrinter& printer, const PrintJob& job, bool fit_width = true);

// A print preview of the job on the printer (portrait or landscape from its tool bar,
// and "幅に合わせる" to shrink lines wider than the page, on at first); printing from it
// prints the job. The caller runs and deletes it.
QPrintPreviewDialog* make_print_preview(QPrinter& printer, const PrintJob& job, QWidget* parent);

// The job as a PDF file at `path`. False when the file could not be written.
bool print_job_to_pdf(const PrintJob& job, const QString& path);

}  // namespace rebanto::ui
