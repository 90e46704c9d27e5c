#pragma once

#include <stdexcept>
#include <string>

// A failure that ends the running handler. The wrapper the handler was
// connected through shows what() in the error box; the program then goes on.
class BrennickError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A text that had to be read as an integer and is not one.
class ConvertError : public BrennickError {
  public:
    explicit ConvertError(const std::string& text);
};

class DivisionByZeroError : public BrennickError {
  public:
    DivisionByZeroError();
};

// A file that cannot be opened, read, created or written.
class InOutError : public BrennickError {
  public:
    using BrennickError::BrennickError;

    // "File not found", "File access denied" or "I/O error N" for an errno value.
    static InOutError fromErrno(int error);
    // The message of a file that could not be opened or read, naming the file.
    static InOutError cannotOpen(const std::string& path, int error);
    static InOutError cannotRead(const std::string& path, int error);
    static InOutError cannotRead(const std::string& path, const std::string& reason);
    // The message of a file that could not be created or written, naming the file.
    static InOutError cannotCreate(const std::string& path, int error);
};
