#include "ui/file_filter.h"

#include <QRegularExpression>
#include <QStringList>

#include "ui/qt_text.h"

namespace rebanto::ui {

namespace {

// "*.a;*.b" or "*.a *.b" → "*.a *.b"
QString normal_patterns(const QString& patterns) {
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    return patterns.split(separators, Qt::SkipEmptyParts).join(QLatin1Char(' '));
}

// Qt reads the patterns from the last parenthesised group of an entry.
bool shows_patterns(const QString& description, const QString& patterns) {
    if (!description.endsWith(QLatin1Char(')'))) return false;
    const qsizetype open = description.lastIndexOf(QLatin1Char('('));
    if (open < 0) return false;
    return normal_patterns(description.mid(open + 1, description.size() - open - 2)) == patterns;
}

}  // namespace

QString qt_file_filter(const std::string& filter) {
    const QStringList parts = to_q(filter).split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns = i + 1 < parts.size() ? normal_patterns(parts[i + 1]) : QString();
        if (description.isEmpty() && patterns.isEmpty()) continue;
        if (patterns.isEmpty() || shows_patterns(description, patterns)) {
            entries.push_back(description);
        } else {
            entries.push_back(description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
        }
    }
    return entries.join(QStringLiteral(";;"));
}

}  // namespace rebanto::ui
