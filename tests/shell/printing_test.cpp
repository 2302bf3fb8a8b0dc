// Plain-text printing into PDF files, read back with the poppler tools.
#include <QApplication>
#include <QFontMetricsF>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "shell/fixed_pitch_font.h"
#include "shell/plain_text_printing.h"
#include "support/pdf_reading.h"

namespace {

std::unique_ptr<QPrinter> pdfPrinter(const QString& file)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    return printer;
}

// The printed lines of the given pages, blanks at their ends and the empty
// lines between pages dropped.
QStringList printedLines(const QString& pdf, int first = 0, int last = 0)
{
    QStringList lines = PdfLayoutText(pdf, first, last).split(QLatin1Char('\n'));
    for (QString& line : lines) {
        line.remove(QLatin1Char('\f'));
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
    }
    lines.removeAll(QString());
    return lines;
}

struct WordBox {
    QString word;
    double xMin = 0;
    double yMin = 0;
};

// Where the first word lies on the first page, in points from the page's
// top-left corner.
WordBox firstWord(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                                QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
    process.waitForFinished();
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>([^<]*)</word>")).match(html);
    if (!match.hasMatch())
        return {};
    return {match.captured(3), match.captured(1).toDouble(), match.captured(2).toDouble()};
}

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    int printed_ = 0;
    const QFont font_ = FixedPitchFont(8);

    // Prints `text` into a new PDF file and returns its name.
    QString print(const QString& text)
    {
        const QString file = folder_.filePath(QStringLiteral("print%1.pdf").arg(++printed_));
        const auto printer = pdfPrinter(file);
        QString why;
        if (!PrintPlainText(*printer, text, font_, why))
            qWarning("print failed: %s", qPrintable(why));
        return file;
    }

    // How the font and the printable area of a PDF printer measure.
    struct Page {
        double lineHeight;
        double advance;
        double width;
        double height;
    };
    Page page() const
    {
        const auto printer = pdfPrinter(folder_.filePath(QStringLiteral("unused.pdf")));
        const QFontMetricsF metrics(font_, printer.get());
        return {metrics.height(), metrics.horizontalAdvance(QLatin1Char('0')), double(printer->width()),
                double(printer->height())};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(folder_.isValid());
        QCOMPARE(QFontInfo(font_).fixedPitch(), true);
    }

    void linesStartAtTheTopLeftOfThePrintableArea()
    {
        const QString pdf = print(QStringLiteral("first line\n second\n\nfourth"));
        QCOMPARE(PdfPageCount(pdf), 1);
        QCOMPARE(printedLines(pdf), (QStringList{QStringLiteral("first line"), QStringLiteral(" second"),
                                                  QStringLiteral("fourth")}));
        const auto printer = pdfPrinter(folder_.filePath(QStringLiteral("unused.pdf")));
        const QRectF printable = printer->pageLayout().paintRectPoints();
        const WordBox word = firstWord(pdf);
        QCOMPARE(word.word, QStringLiteral("first"));
        // No margin of its own: the first glyph stands at the corner of the
        // printable area.
        QVERIFY2(qAbs(word.xMin - printable.left()) < 1.0, qPrintable(QString::number(word.xMin)));
        QVERIFY2(qAbs(word.yMin - printable.top()) < 1.0, qPrintable(QString::number(word.yMin)));
    }

    void formFeedStartsANewPage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("pageOfLast");
        QTest::newRow("between lines") << QStringLiteral("one\n\ftwo") << 2 << 2;
        QTest::newRow("within a line") << QStringLiteral("one\ftwo") << 2 << 2;
        QTest::newRow("two in a row leave a blank page") << QStringLiteral("one\f\ftwo") << 3 << 3;
        QTest::newRow("at the end adds no empty page") << QStringLiteral("one\ntwo\f") << 1 << 1;
    }

    void formFeedStartsANewPage()
    {
        QFETCH(QString, text);
        QFETCH(int, pages);
        QFETCH(int, pageOfLast);
        const QString pdf = print(text);
        QCOMPARE(PdfPageCount(pdf), pages);
        QCOMPARE(printedLines(pdf, pageOfLast, pageOfLast).last(), QStringLiteral("two"));
        QCOMPARE(printedLines(pdf, 1, 1).first(), QStringLiteral("one"));
    }

    void longTextSpansPages()
    {
        const Page measure = page();
        // A line stays on the page while the next one would keep two line
        // heights clear of the bottom.
        int perPage = 1;
        while ((perPage + 2) * measure.lineHeight <= measure.height)
            ++perPage;
        QVERIFY(perPage > 20);

        QStringList lines;
        for (int i = 1; i <= 2 * perPage + perPage / 2; ++i)
            lines << QStringLiteral("line %1").arg(i, 4, 10, QLatin1Char('0'));
        const QString pdf = print(lines.join(QLatin1Char('\n')));
        QCOMPARE(PdfPageCount(pdf), 3);
        QCOMPARE(printedLines(pdf, 1, 1), lines.mid(0, perPage));
        QCOMPARE(printedLines(pdf, 2, 2), lines.mid(perPage, perPage));
        QCOMPARE(printedLines(pdf, 3, 3), lines.mid(2 * perPage));
    }

    void textFillingAPageExactlyAddsNoEmptyPage()
    {
        const Page measure = page();
        int perPage = 1;
        while ((perPage + 2) * measure.lineHeight <= measure.height)
            ++perPage;
        const QString pdf = print(QStringList(perPage, QStringLiteral("x")).join(QLatin1Char('\n')));
        QCOMPARE(PdfPageCount(pdf), 1);
    }

    void wideLineContinuesOnTheNextLine()
    {
        const Page measure = page();
        const int perLine = int(measure.width / measure.advance);
        QString wide;
        for (int i = 0; wide.size() < 2 * perLine + 5; ++i)
            wide += QChar(u'A' + i % 26);
        const QString pdf = print(wide + QStringLiteral("\nnext"));
        QCOMPARE(printedLines(pdf), (QStringList{wide.left(perLine), wide.mid(perLine, perLine),
                                                 wide.mid(2 * perLine), QStringLiteral("next")}));
    }

    void tabMovesToTheNextStop_data()
    {
        QTest::addColumn<QString>("tabbed");
        QTest::addColumn<QString>("ruler");
        QTest::newRow("from the line start") << QStringLiteral("\tT") << QStringLiteral("01234567T");
        QTest::newRow("within the first stop") << QStringLiteral("ab\tT") << QStringLiteral("01234567T");
        QTest::newRow("standing on a stop") << QStringLiteral("abcdefgh\tT") << QStringLiteral("0123456789abcdefT");
        QTest::newRow("two tabs") << QStringLiteral("a\t\tT") << QStringLiteral("0123456789abcdefT");
    }

    void tabMovesToTheNextStop()
    {
        QFETCH(QString, tabbed);
        QFETCH(QString, ruler);
        const QStringList lines = printedLines(print(ruler + QLatin1Char('\n') + tabbed));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[1].indexOf(QLatin1Char('T')), lines[0].indexOf(QLatin1Char('T')));
    }

    void emptyTextPrintsOneBlankPage()
    {
        const QString pdf = print(QString());
        QCOMPARE(PdfPageCount(pdf), 1);
        QVERIFY(printedLines(pdf).isEmpty());
    }

    void jobThatCannotStartIsReported()
    {
        const auto printer = pdfPrinter(folder_.filePath(QStringLiteral("missing/out.pdf")));
        QString why;
        QVERIFY(!PrintPlainText(*printer, QStringLiteral("text"), font_, why));
        QVERIFY(!why.isEmpty());
    }
};

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"
