#pragma once
// Printing the lines of a memo: onto a printer's pages, or into a PDF file for a user who
// has no printer.
#include <QFont>
#include <QString>

#include "model/platform.h"

class QPrinter;

namespace rebanto::ui {

// The font a choice names; an empty name keeps the application's family.
QFont qfont_of(const FontChoice& choice);

// Draws the job's lines in its font down the printer's pages, a new page when one is
// full. False when the printer could not be started.
bool render_print_job(QPrinter& printer, const PrintJob& job);

// The job as a PDF file at `path`. False when the file could not be written.
bool print_job_to_pdf(const PrintJob& job, const QString& path);

}  // namespace rebanto::ui
