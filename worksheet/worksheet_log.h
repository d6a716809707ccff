#pragma once
// The log of the calculations that succeeded: each worked calculation with
// the local time it was made, the newest last, the oldest dropped beyond
// kMaxEntries. Its text is plain, in the interface's language, so that a
// student can paste it into notes or an exam answer.

#include "nav/language.h"
#include "nav/worked.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <cstddef>
#include <deque>
#include <vector>

namespace worksheet {

// Enough for a long passage or a term of exercises; a file of the log stays small.
inline constexpr std::size_t kMaxEntries = 500;

struct Entry {
    QDateTime time;  // local time
    nav::Worked worked;

    friend bool operator==(const Entry&, const Entry&) = default;
};

class Log : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    const std::deque<Entry>& Entries() const { return entries_; }

    // Keeps the calculation, stamped with the time now.
    void Add(const nav::Worked& worked);
    // Keeps the entries (a log read back), the newest kMaxEntries of them.
    void Replace(std::deque<Entry> entries);
    void Clear();

signals:
    // One entry at the end; the oldest may have been dropped for it.
    void Added();
    // Every entry may have changed: read back or cleared.
    void Reset();

private:
    std::deque<Entry> entries_;
};

// Drops the oldest entries beyond kMaxEntries.
void Trim(std::deque<Entry>& entries);

// «2026-03-01 09:05:07  Prore», the data with their origins, the steps and
// the results, one to a line.
QString EntryText(const Entry& entry, nav::Language language);

// The entries at `rows` (all of them when none is given), in the log's
// order, a blank line between two.
QString EntriesText(const std::deque<Entry>& entries, std::vector<std::size_t> rows, nav::Language language);

}  // namespace worksheet
