#include "records/Errors.h"

#include <cerrno>

ConvertError::ConvertError(const std::string& text)
    : BrennickError("'" + text + "' is not a valid integer value") {}

DivisionByZeroError::DivisionByZeroError() : BrennickError("Division by zero") {}

namespace {
std::string messageForErrno(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return "File not found";
    case EACCES:
    case EPERM:
    case EROFS:
        return "File access denied";
    default:
        return "I/O error " + std::to_string(error);
    }
}
} // namespace

InOutError InOutError::fromErrno(int error) {
    return InOutError(messageForErrno(error));
}

InOutError InOutError::cannotOpen(const std::string& path, int error) {
    return InOutError("Cannot open file \"" + path + "\". " + messageForErrno(error));
}

InOutError InOutError::cannotRead(const std::string& path, int error) {
    return cannotRead(path, messageForErrno(error));
}

InOutError InOutError::cannotRead(const std::string& path, const std::string& reason) {
    return InOutError("Cannot read file \"" + path + "\". " + reason);
}

InOutError InOutError::cannotCreate(const std::string& path, int error) {
    return InOutError("Cannot create file \"" + path + "\". " + messageForErrno(error));
}
