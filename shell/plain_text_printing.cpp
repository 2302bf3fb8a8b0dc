#include "shell/plain_text_printing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <cmath>

namespace {

// Follows the print head over the pages and draws runs of characters.
class LinePrinter {
public:
    LinePrinter(QPainter& painter, QPrinter& printer)
        : painter_(painter)
        , printer_(printer)
        , metrics_(painter.font(), &printer)
        , lineHeight_(metrics_.height())
        , tabWidth_(8 * metrics_.averageCharWidth())
        , pageWidth_(printer.width())
        , pageHeight_(printer.height())
    {
    }

    void put(QChar c)
    {
        if (c == QLatin1Char('\n')) {
            flush();
            newLine();
        } else if (c == QLatin1Char('\f')) {
            flush();
            newPage();
        } else if (c == QLatin1Char('\t')) {
            flush();
            tab();
        } else if (c != QLatin1Char('\r')) {
            printable(c);
        }
    }

    void finish() { flush(); }

private:
    void printable(QChar c)
    {
        const qreal advance = metrics_.horizontalAdvance(c);
        const qreal end = x_ + runWidth_;
        if (end > 0 && end + advance > pageWidth_) {
            flush();
            newLine();
        }
        run_ += c;
        runWidth_ += advance;
    }

    void tab()
    {
        // A head standing on a stop (up to rounding of the summed advances)
        // moves on to the following one.
        x_ = (std::floor(x_ / tabWidth_ + 1e-6) + 1) * tabWidth_;
        if (x_ >= pageWidth_)
            newLine();
    }

    // Draws the waiting run at the print head and moves the head past it.
    void flush()
    {
        if (run_.isEmpty())
            return;
        while (pagesAhead_ > 0) {
            printer_.newPage();
            --pagesAhead_;
        }
        painter_.drawText(QPointF(x_, y_ + metrics_.ascent()), run_);
        x_ += runWidth_;
        run_.clear();
        runWidth_ = 0;
    }

    void newLine()
    {
        x_ = 0;
        y_ += lineHeight_;
        if (y_ + 2 * lineHeight_ > pageHeight_)
            newPage();
    }

    void newPage()
    {
        x_ = 0;
        y_ = 0;
        ++pagesAhead_;
    }

    QPainter& painter_;
    QPrinter& printer_;
    QFontMetricsF metrics_;
    qreal lineHeight_;
    qreal tabWidth_;
    qreal pageWidth_;
    qreal pageHeight_;
    qreal x_ = 0;
    qreal y_ = 0;
    // Page breaks waiting for something to print on the page after them.
    int pagesAhead_ = 0;
    // Characters not drawn yet, to start at x_.
    QString run_;
    qreal runWidth_ = 0;
};

}  // namespace

bool PrintPlainText(QPrinter& printer, const QString& text, const QFont& font, QString& why)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        why = QStringLiteral("The printer could not start the print job.");
        return false;
    }
    painter.setFont(font);
    painter.setPen(Qt::black);
    LinePrinter head(painter, printer);
    for (const QChar c : text)
        head.put(c);
    head.put(QLatin1Char('\n'));
    head.finish();
    painter.end();
    return true;
}
