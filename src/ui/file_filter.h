#pragma once
// File-type filters: the models write them as "説明 (*.ext)|*.ext" pairs joined by "|";
// Qt's dialogs want "説明 (*.ext)" entries joined by ";;".
#include <QString>
#include <string>

namespace rebanto::ui {

QString qt_file_filter(const std::string& filter);

}  // namespace rebanto::ui
