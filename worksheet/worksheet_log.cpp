#include "worksheet/worksheet_log.h"

#include <QStringList>

#include <algorithm>
#include <numeric>

namespace worksheet {

namespace {

const QString kIndent = QStringLiteral("  ");

QString Utf8(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

void Trim(std::deque<Entry>& entries)
{
    while (entries.size() > kMaxEntries)
        entries.pop_front();
}

void Log::Add(const nav::Worked& worked)
{
    entries_.push_back({QDateTime::currentDateTime(), worked});
    Trim(entries_);
    emit Added();
}

void Log::Replace(std::deque<Entry> entries)
{
    Trim(entries);
    if (entries == entries_)
        return;
    entries_ = std::move(entries);
    emit Reset();
}

void Log::Clear()
{
    if (entries_.empty())
        return;
    entries_.clear();
    emit Reset();
}

QString EntryText(const Entry& entry, nav::Language language)
{
    const bool italian = language == nav::Language::Italian;
    const nav::Worked& w = entry.worked;
    QStringList lines{entry.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + kIndent + Utf8(w.source)};
    if (!w.data.empty())
        lines << (italian ? QStringLiteral("Dati:") : QStringLiteral("Data:"));
    for (const nav::WorkedValue& v : w.data)
        lines << kIndent + Utf8(v.name) + QStringLiteral(": ") + Utf8(v.value) + QStringLiteral(" (")
                     + Utf8(nav::OriginText(v.origin, language)) + QLatin1Char(')');
    if (!w.steps.empty())
        lines << (italian ? QStringLiteral("Calcolo:") : QStringLiteral("Working:"));
    for (const std::string& step : w.steps)
        lines << kIndent + Utf8(step);
    if (!w.results.empty())
        lines << (italian ? QStringLiteral("Risultati:") : QStringLiteral("Results:"));
    for (const nav::WorkedValue& v : w.results)
        lines << kIndent + Utf8(v.name) + QStringLiteral(": ") + Utf8(v.value);
    return lines.join(QLatin1Char('\n'));
}

QString EntriesText(const std::deque<Entry>& entries, std::vector<std::size_t> rows, nav::Language language)
{
    if (rows.empty()) {
        rows.resize(entries.size());
        std::iota(rows.begin(), rows.end(), std::size_t{0});
    }
    std::sort(rows.begin(), rows.end());
    QStringList texts;
    for (const std::size_t row : rows) {
        if (row < entries.size())
            texts << EntryText(entries[row], language);
    }
    return texts.join(QStringLiteral("\n\n"));
}

}  // namespace worksheet
