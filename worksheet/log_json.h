#pragma once
// The log's file: a small JSON document, written by LogJson and read back
// by ReadLogJson. The file is an outside input (copied, edited, cut short by
// a full disk): the reader takes any bytes and refuses whatever is not a log,
// within a bounded size.

#include "worksheet/worksheet_log.h"

#include <QByteArray>

#include <deque>
#include <optional>

namespace worksheet {

// A full log of long calculations takes well under a megabyte; a file far
// beyond that is no log of ours, and is not parsed.
inline constexpr qsizetype kMaxLogFileBytes = 8 * 1024 * 1024;

QByteArray LogJson(const std::deque<Entry>& entries);

// The entries, the newest kMaxEntries; nothing when the bytes are not a
// log: too many, not JSON, or not its shape (every field present, of its
// type, a valid time, a known origin).
std::optional<std::deque<Entry>> ReadLogJson(const QByteArray& bytes);

}  // namespace worksheet
