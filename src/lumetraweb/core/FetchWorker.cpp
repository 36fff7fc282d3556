#include "FetchWorker.h"

#include <QMetaObject>

#include "base/Errors.h"

namespace lumetra {

FetchWorker::FetchWorker(HttpLimits limits) : exchange_(limits), thread_([this] { run(); }) {}

FetchWorker::~FetchWorker() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    cancel_ = true;
    wake_.notify_all();
    thread_.join();
}

void FetchWorker::start(std::string url, std::FILE* file, std::string filePath, QObject* receiver,
                        Done done) {
    {
        std::lock_guard lock(mutex_);
        job_ = Job{std::move(url), file, std::move(filePath), receiver, std::move(done)};
        busy_ = true;
    }
    wake_.notify_all();
}

bool FetchWorker::busy() const {
    std::lock_guard lock(mutex_);
    return busy_;
}

void FetchWorker::run() {
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return quit_ || job_.has_value(); });
            if (quit_) return;
            job = std::move(*job_);
            job_.reset();
        }
        FetchOutcome outcome;
        try {
            exchange_.get(
                job.url,
                [&](std::string_view bytes) {
                    if (std::fwrite(bytes.data(), 1, bytes.size(), job.file) != bytes.size())
                        fail(msg::CannotCreate, job.filePath);
                },
                &cancel_);
            outcome.ok = true;
        } catch (const std::exception& e) {
            outcome.error = e.what();
        }
        {
            std::lock_guard lock(mutex_);
            busy_ = false;
        }
        if (QObject* receiver = job.receiver.data()) {
            QMetaObject::invokeMethod(
                receiver, [done = std::move(job.done), outcome] { done(outcome); }, Qt::QueuedConnection);
        }
    }
}

}  // namespace lumetra
