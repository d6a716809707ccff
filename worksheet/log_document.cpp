#include "worksheet/log_document.h"

#include "toolkit/fonts.h"
#include "toolkit/whole_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace worksheet {

namespace {

constexpr int kTitlePoints = 16;
constexpr int kTextPoints = 10;
constexpr double kPageMarginMm = 15;
constexpr double kEntryGap = 10;
// Where the card leaves a line to write the name on.
const QString kBlankName = QStringLiteral("________________");

QTextCharFormat Characters(int points, bool bold)
{
    QTextCharFormat format;
    QFont font = toolkit::UiFont(kTextPoints, bold);
    font.setPointSize(points);
    format.setFont(font);
    return format;
}

}  // namespace

void BuildLogDocument(QTextDocument& document, const std::deque<Entry>& entries, const Printout& printout)
{
    const bool italian = printout.language == nav::Language::Italian;
    QTextCursor cursor(&document);
    cursor.setCharFormat(Characters(kTitlePoints, true));
    cursor.insertText(italian ? QStringLiteral("Orvane 2004 - Registro dei calcoli")
                              : QStringLiteral("Orvane 2004 - Calculation log"));
    const QString vessel = printout.vessel.trimmed().isEmpty() ? kBlankName : printout.vessel.trimmed();
    cursor.insertBlock(QTextBlockFormat(), Characters(kTextPoints, false));
    cursor.insertText((italian ? QStringLiteral("Imbarcazione: %1") : QStringLiteral("Vessel: %1")).arg(vessel));
    cursor.insertBlock();
    cursor.insertText((italian ? QStringLiteral("Data: %1") : QStringLiteral("Date: %1"))
                          .arg(printout.date.toString(Qt::ISODate)));
    QTextBlockFormat spaced;
    spaced.setTopMargin(kEntryGap);
    for (const Entry& entry : entries) {
        const QStringList lines = EntryText(entry, printout.language).split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            cursor.insertBlock(i == 0 ? spaced : QTextBlockFormat(), Characters(kTextPoints, i == 0));
            cursor.insertText(lines[i]);
        }
    }
}

QString ExportLogPdf(const QString& path, const std::deque<Entry>& entries, const Printout& printout)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm),
                                      QPageLayout::Millimeter));
        pdf.setCreator(QStringLiteral("Orvane"));
        QTextDocument document;
        BuildLogDocument(document, entries, printout);
        pdf.setTitle(document.begin().text());
        document.print(&pdf);
    }
    if (bytes.isEmpty())
        return QCoreApplication::translate("LogDocument", "impossibile creare il PDF");
    return toolkit::WriteWholeFile(path, bytes);
}

}  // namespace worksheet
