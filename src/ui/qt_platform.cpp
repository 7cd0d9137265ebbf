#include "ui/qt_platform.h"

#include "io/guide_location.h"
#include "io/install_folders.h"
#include "ui/help_window.h"

#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>

#include "ui/file_filter.h"
#include "ui/print_job.h"
#include "ui/qt_text.h"
#include "ui/view_refresh.h"

namespace rebanto::ui {

namespace {

// Dialogs belong to the window the user is working in.
QWidget* dialog_parent() {
    return QApplication::activeWindow();
}

QString title() {
    return QApplication::applicationName();
}

std::optional<std::string> run_file_dialog(const FileDialogRequest& request,
                                           QFileDialog::AcceptMode mode) {
    QFileDialog dialog(dialog_parent(), to_q(request.title), to_q(request.folder),
                       qt_file_filter(request.filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    if (!request.default_ext.empty()) dialog.setDefaultSuffix(to_q(request.default_ext));
    // A name typed without an extension under a filter of one extension ("Excel (*.xlsx)")
    // gets that filter's extension, so that the file is what the user picked.
    if (mode == QFileDialog::AcceptSave && !request.default_ext.empty()) {
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& filter) {
                             static const QRegularExpression one_extension(
                                 QStringLiteral("\\(\\*\\.(\\w+)\\)$"));
                             const QRegularExpressionMatch match = one_extension.match(filter);
                             if (match.hasMatch()) dialog.setDefaultSuffix(match.captured(1));
                         });
    }
    const QStringList filters = dialog.nameFilters();
    if (request.filter_index >= 1 && request.filter_index <= filters.size()) {
        dialog.selectNameFilter(filters[request.filter_index - 1]);
    }
    if (!request.file_name.empty()) dialog.selectFile(to_q(request.file_name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return from_q(dialog.selectedFiles().front());
}

}  // namespace

QtPlatform::QtPlatform(std::filesystem::path help_folder)
    : help_folder_(std::move(help_folder)), rng_(12345) {
    randomize();
}

QtPlatform::~QtPlatform() {
    set_wait_cursor(false);
}

// The system has one beep; the kinds sound alike.
void QtPlatform::beep(Beep) {
    QApplication::beep();
}

void QtPlatform::message(const std::string& text) {
    QMessageBox::information(dialog_parent(), title(), to_q(text));
}

bool QtPlatform::ask(const std::string& text) {
    return QMessageBox::question(dialog_parent(), title(), to_q(text),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

void QtPlatform::error(const std::string& text) {
    QMessageBox::critical(dialog_parent(), title(), to_q(text));
}

std::optional<std::string> QtPlatform::open_file(const FileDialogRequest& request) {
    return run_file_dialog(request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtPlatform::save_file(const FileDialogRequest& request) {
    return run_file_dialog(request, QFileDialog::AcceptSave);
}

static bool preview_and_print(QPrinter& printer, const PrintJob& job, QWidget* parent) {
    QPrintPreviewDialog* preview = make_print_preview(printer, job, parent);
    const bool printed = preview->exec() == QDialog::Accepted;
    delete preview;
    return printed;
}

// A printer, or a PDF file (a user without a printer still gets the pages), after a preview.
bool QtPlatform::print(const PrintJob& job) {
    QMessageBox choice(QMessageBox::Question, title(), QStringLiteral("印刷先を選んで下さい"),
                       QMessageBox::NoButton, dialog_parent());
    QPushButton* to_printer =
        choice.addButton(QStringLiteral("プリンタ..."), QMessageBox::AcceptRole);
    QPushButton* to_pdf = choice.addButton(QStringLiteral("PDFに保存..."), QMessageBox::AcceptRole);
    choice.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        to_printer->setEnabled(false);
        choice.setInformativeText(QStringLiteral("プリンタがありません。PDFに保存できます。"));
        choice.setDefaultButton(to_pdf);
    } else {
        choice.setDefaultButton(to_printer);
    }
    choice.exec();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(to_q(job.title));
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (choice.clickedButton() == to_pdf) {
        QString path = QFileDialog::getSaveFileName(dialog_parent(), QStringLiteral("PDFに保存"),
                                                    to_q(job.title) + QStringLiteral(".pdf"),
                                                    QStringLiteral("PDF (*.pdf)"));
        if (path.isEmpty()) return false;
        if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
            path += QStringLiteral(".pdf");
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
    } else if (choice.clickedButton() != to_printer) {
        return false;
    }
    return preview_and_print(printer, job, dialog_parent());
}

std::optional<FontChoice> QtPlatform::choose_font(const FontChoice& initial) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, qfont_of(initial), dialog_parent());
    if (!ok) return std::nullopt;
    FontChoice choice = initial;  // the dialog has no colour: the initial one stays
    choice.name = from_q(font.family());
    choice.size = font.pointSize() > 0 ? font.pointSize() : initial.size;
    choice.bold = font.bold();
    choice.italic = font.italic();
    return choice;
}

std::optional<std::string> QtPlatform::find_text(const std::string& initial) {
    bool ok = false;
    const QString text = QInputDialog::getText(dialog_parent(), QStringLiteral("検索"),
                                               QStringLiteral("検索する文字列"), QLineEdit::Normal,
                                               to_q(initial), &ok);
    if (!ok) return std::nullopt;
    return from_q(text);
}

Date QtPlatform::today() {
    const QDate date = QDate::currentDate();
    return Date{date.year(), date.month(), date.day()};
}

std::int64_t QtPlatform::now_ms() {
    return QDateTime::currentMSecsSinceEpoch();
}

double QtPlatform::random() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(rng_);
}

int QtPlatform::random_int(int n) {
    if (n <= 0) return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(rng_);
}

void QtPlatform::randomize() {
    rng_ = std::mt19937_64(static_cast<std::uint64_t>(now_ms()));
}

bool QtPlatform::start_process(const std::string& program, const std::vector<std::string>& args,
                               const std::string& working_folder) {
    QStringList arguments;
    for (const auto& arg : args)
        arguments.push_back(to_q(arg));
    return QProcess::startDetached(to_q(program), arguments, to_q(working_folder));
}

void QtPlatform::repaint() {
    ViewRefresh::repaint();
}

void QtPlatform::set_wait_cursor(bool on) {
    // A state, not a count: one "off" ends any number of "on".
    if (on == wait_cursor_) return;
    wait_cursor_ = on;
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

// Help is the user guide, shown in a window of its own; the old help file of the start
// folder has no viewer on this system.
void QtPlatform::help(const std::string&) {
    const auto places = user_guide_candidates(running_executable(), REBANTO_SOURCE_DIR);
    if (const auto guide = find_user_guide(running_executable(), REBANTO_SOURCE_DIR)) {
        show_user_guide(*guide);
        return;
    }
    std::string searched;
    for (const auto& place : places)
        searched += "\n" + place.string();
    message("使い方ガイド（guide.md）が見つかりません。次の場所を探しました:" + searched);
}

}  // namespace rebanto::ui
