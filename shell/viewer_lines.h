// How the results viewer's text divides into lines, and the bytes of the
// results file made from it.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The text as the viewer's line list sees it: the editor's paragraph and line
// separators become '\n'. A selection taken from the editor carries them.
QString ViewerPlainText(const QString& editorText);

// The lines of a viewer text. Each '\n' ends a line; what follows the last
// '\n' is one more line only when it is not empty, so "a\nb\n" and "a\nb"
// both hold the two lines "a" and "b", and "" holds none.
QStringList ViewerLines(const QString& text);

// The results file: every line followed by CR LF, the last one included,
// in single-byte text (characters outside Latin-1 become '?').
QByteArray ResultsFileBytes(const QString& text);
