#pragma once
// The one error type of the engine. Every failure the engine reports is an xbase::Error whose
// message is fit to show a user: it names the file and says what is wrong.
#include <cstddef>
#include <stdexcept>
#include <string>

namespace xbase {

class Error : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A damaged or foreign index: the table may be opened without its indexes and the index
// rebuilt.
class IndexError : public Error {
  public:
    using Error::Error;
};

// A file that an open for writing needs can be read but not written (a read-only file, folder
// or file system): the table may still be opened read-only.
class ReadOnlyError : public Error {
  public:
    using Error::Error;
};

// A record, or the table's header, is locked by another open or program: the same work may
// succeed later.
class LockedError : public Error {
  public:
    using Error::Error;
};

// A bad expression: the message quotes the expression text and the 1-based character position
// at which the problem was found.
class ExpressionError : public Error {
  public:
    ExpressionError(const std::string& message, std::string text, std::size_t position)
        : Error(message), text_(std::move(text)), position_(position) {}
    const std::string& text() const { return text_; }
    std::size_t position() const { return position_; }

  private:
    std::string text_;
    std::size_t position_;
};

}  // namespace xbase
