#pragma once
// The log on paper: the program's name, the date and the vessel's name,
// then every entry as the window shows it, on as many pages as it takes.
// The same document is printed and exported as PDF.

#include "worksheet/worksheet_log.h"

#include <QDate>
#include <QString>

class QTextDocument;

namespace worksheet {

struct Printout {
    QString vessel;  // as the deviation card keeps it; blank for a line to write on
    QDate date;
    nav::Language language = nav::Language::Italian;
};

// Fills the empty document.
void BuildLogDocument(QTextDocument& document, const std::deque<Entry>& entries, const Printout& printout);

// Writes the document as an A4 PDF at `path`, whole or not at all: an empty
// text, else the reason.
QString ExportLogPdf(const QString& path, const std::deque<Entry>& entries, const Printout& printout);

}  // namespace worksheet
