#pragma once
// FileChooser for tests: records each request and answers from a queue (an empty optional
// stands for Cancel); a request with nothing queued throws.
#include <deque>
#include <vector>

#include "framework/FileChooser.h"

namespace rp {

class ScriptedFileChooser : public FileChooser {
  public:
    void answer(std::optional<QString> path) { answers_.push_back(std::move(path)); }
    std::optional<QString> openFile(const FileRequest& request) override;
    std::optional<QString> newFile(const FileRequest& request) override;
    const std::vector<FileRequest>& requests() const { return requests_; }

  private:
    std::optional<QString> next(const FileRequest& request);
    std::deque<std::optional<QString>> answers_;
    std::vector<FileRequest> requests_;
};

}  // namespace rp
