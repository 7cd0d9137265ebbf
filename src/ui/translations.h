#pragma once
// Qt's own texts in Japanese: the file dialogs, the standard buttons of message boxes and
// the context menus of text fields ("キャンセル", "元に戻す", ...).
class QCoreApplication;

namespace rebanto::ui {

// Loads Qt's Japanese translations (qtbase_ja) from where Qt keeps them; returns whether
// they were found. Without them Qt's texts stay English and nothing else changes.
bool install_qt_translations(QCoreApplication& app);

}  // namespace rebanto::ui
