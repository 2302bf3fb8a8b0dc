// Reads back what a PDF printer wrote, through the poppler command-line tools.
#pragma once

#include <QString>

// The text of pages `first` to `last` (all pages when 0) laid out as on paper.
QString PdfLayoutText(const QString& pdfFile, int first = 0, int last = 0);
// The number of pages, or -1 when the file cannot be read.
int PdfPageCount(const QString& pdfFile);
