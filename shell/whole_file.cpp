#include "shell/whole_file.h"

#include <QSaveFile>

bool WriteWholeFile(const QString& fileName, const QByteArray& bytes, QString& why)
{
    QSaveFile file(fileName);
    // Unbuffered, so that a short write (a full disk) shows here with the
    // file layer's reason instead of vanishing in the buffer's flush.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        why = file.errorString();
        return false;
    }
    // A short write is no error to the file layer, so keep writing until
    // everything is out or the layer reports why it cannot go on.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 chunk = file.write(bytes.constData() + written, bytes.size() - written);
        if (chunk <= 0) {
            why = file.errorString();
            file.cancelWriting();
            return false;
        }
        written += chunk;
    }
    if (!file.commit()) {
        why = file.errorString();
        return false;
    }
    return true;
}
