#pragma once
// Runs the exchange off the GUI thread so the window keeps painting while the server
// answers slowly or not at all. One fetch at a time; the result comes back as a queued
// call on the receiver's thread.
#include <QObject>
#include <QPointer>
#include <condition_variable>
#include <cstdio>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "HttpExchange.h"

namespace lumetra {

struct FetchOutcome {
    bool ok = false;
    std::string error;  // Windows-1252, the error dialog's text
};

class FetchWorker {
public:
    using Done = std::function<void(const FetchOutcome&)>;

    explicit FetchWorker(HttpLimits limits = {});
    ~FetchWorker();  // ends a running fetch and waits for the thread

    // Writes the body into `file` (owned by the caller, left open). `done` runs on
    // `receiver`'s thread, unless the receiver is gone by then. Call only when idle.
    void start(std::string url, std::FILE* file, std::string filePath, QObject* receiver, Done done);
    bool busy() const;

private:
    struct Job {
        std::string url;
        std::FILE* file;
        std::string filePath;
        QPointer<QObject> receiver;
        Done done;
    };
    void run();

    HttpExchange exchange_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Job> job_;
    bool busy_ = false;
    bool quit_ = false;
    std::atomic<bool> cancel_{false};
    std::thread thread_;
};

}  // namespace lumetra
