#pragma once
// A batch job that cannot go on: a usage or input error whose text names the file, the option
// or the record, ending the job with status 1.
#include <QString>
#include <stdexcept>

namespace rp {

class BatchError : public std::runtime_error {
  public:
    explicit BatchError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

}  // namespace rp
