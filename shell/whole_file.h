// Writing a whole file so that a failure never leaves an emptied or
// half-written file behind: the new content goes to a file aside and takes
// the old one's place only once it is complete.
#pragma once

#include <QByteArray>
#include <QString>

// Replaces the content of `fileName` by `bytes`. Returns false, with the file
// layer's message in `why`, when that fails; the earlier file then stays as
// it was.
bool WriteWholeFile(const QString& fileName, const QByteArray& bytes, QString& why);
