// A failure of the file layer that ends the handler it happens in; its
// message is the file layer's own.
#pragma once

#include <QString>
#include <stdexcept>

class FileError : public std::runtime_error {
public:
    explicit FileError(const QString& message) : std::runtime_error(message.toStdString()) {}
};
