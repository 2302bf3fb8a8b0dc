// Prints plain text the way a line printer would: line by line from the
// top-left of the printable area, in one font, with no dialog, header,
// footer, page number or margin of its own.
#pragma once

#include <QFont>
#include <QString>

class QPrinter;

// Prints `text` followed by one line end on `printer` in `font`. A line wider
// than the printable width goes on in the next line; a new page starts when
// the next line would come closer than two line heights to the bottom of the
// printable area, and at each form feed; a tab moves to the next stop (every
// eight average character widths). Pages are started only when something is
// printed on them, so the closing line end never adds an empty page.
// Returns false, with `why` filled, when the print job cannot be started.
bool PrintPlainText(QPrinter& printer, const QString& text, const QFont& font, QString& why);
