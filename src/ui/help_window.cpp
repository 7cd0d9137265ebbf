#include "ui/help_window.h"

#include <QApplication>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

#include "ui/screen_place.h"

namespace rebanto::ui {

void show_user_guide(const std::filesystem::path& guide) {
    static QPointer<QTextBrowser> window;
    if (window == nullptr) {
        window = new QTextBrowser;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setObjectName(QStringLiteral("UserGuide"));
        window->setWindowTitle(QStringLiteral("Rebanto 使い方ガイド"));
        window->setOpenExternalLinks(true);
        const ScreenPlace place = fitted_place(window, QPoint(80, 40), QSize(980, 900));
        window->resize(place.size);
        window->move(place.position);
    }
    const QString file = QString::fromStdString(guide.string());
    // The pictures are named relative to the guide (guide/*.png).
    window->setSearchPaths({QString::fromStdString(guide.parent_path().string())});
    window->setSource(QUrl::fromLocalFile(file), QTextDocument::MarkdownResource);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace rebanto::ui
