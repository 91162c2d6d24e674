#include "xbase/internal/TagPipeline.h"

namespace xbase {

TagPipeline::TagPipeline(std::size_t count, Prepare prepare)
    : prepare_(std::move(prepare)), slots_(count) {
    thread_ = std::thread([this] { work(); });
}

TagPipeline::~TagPipeline() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

PreparedKeys TagPipeline::run(std::size_t i) {
    try {
        return prepare_(i, stop_);
    } catch (...) {
        PreparedKeys failed;
        failed.error = std::current_exception();
        return failed;
    }
}

void TagPipeline::prepareNext(std::unique_lock<std::mutex>& lock) {
    const std::size_t i = next_++;
    lock.unlock();
    PreparedKeys keys = run(i);
    lock.lock();
    slots_[i] = std::move(keys);
    changed_.notify_all();
}

void TagPipeline::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stop_ || mayClaim() || next_ == slots_.size(); });
        if (stop_ || next_ == slots_.size()) return;
        prepareNext(lock);
    }
}

PreparedKeys TagPipeline::take(std::size_t i) {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (slots_[i]) {
            PreparedKeys keys = std::move(*slots_[i]);
            slots_[i].reset();
            return keys;
        }
        if (mayClaim()) {
            prepareNext(lock);
            continue;
        }
        changed_.wait(lock);
    }
}

void TagPipeline::done(std::size_t i) {
    {
        std::lock_guard lock(mutex_);
        if (i + 1 > done_) done_ = i + 1;
    }
    changed_.notify_all();
}

}  // namespace xbase
