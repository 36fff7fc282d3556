#pragma once
// TEMP.CSV as the fetch fills it: a safe save fed through a stdio stream, so the fetch
// thread writes with fwrite while nothing reaches the old file until commit().
#include <cstdio>
#include <memory>

#include "base/Files.h"

namespace lumetra {

class BodyFile {
public:
    // Throws "Datei %s kann nicht erstellt werden" when the temporary file cannot be made.
    explicit BodyFile(const Path& path);
    ~BodyFile();  // an uncommitted body leaves the old file as it was
    BodyFile(const BodyFile&) = delete;
    BodyFile& operator=(const BodyFile&) = delete;

    // Unbuffered: a write that fails is seen by the fwrite that made it.
    std::FILE* stream() const { return stream_; }
    // Closes the stream and replaces the file with what was written. Throws "Datei %s kann
    // nicht erstellt werden" (the old file stays) when any write, the sync or the rename failed.
    void commit();

private:
    static ssize_t writeThrough(void* self, const char* data, std::size_t size);

    SafeFileWriter writer_;
    std::FILE* stream_ = nullptr;
    bool writeFailed_ = false;
};

}  // namespace lumetra
