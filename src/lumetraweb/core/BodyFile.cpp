#include "BodyFile.h"

#include <cerrno>

#include "base/Errors.h"

namespace lumetra {

BodyFile::BodyFile(const Path& path) : writer_(path) {
    cookie_io_functions_t io{};
    io.write = &BodyFile::writeThrough;
    stream_ = fopencookie(this, "w", io);
    if (!stream_) fail(msg::CannotCreate, pathText(path));
    std::setvbuf(stream_, nullptr, _IONBF, 0);
}

BodyFile::~BodyFile() {
    if (stream_) std::fclose(stream_);
}

ssize_t BodyFile::writeThrough(void* self, const char* data, std::size_t size) {
    auto* file = static_cast<BodyFile*>(self);
    try {
        file->writer_.write(std::string_view(data, size));
        return static_cast<ssize_t>(size);
    } catch (const std::exception&) {
        file->writeFailed_ = true;
        errno = EIO;
        return -1;
    }
}

void BodyFile::commit() {
    std::FILE* stream = stream_;
    stream_ = nullptr;
    const bool closed = !stream || std::fclose(stream) == 0;
    if (writeFailed_ || !closed) {
        writer_.abandon();
        fail(msg::CannotCreate, pathText(writer_.target()));
    }
    writer_.commit();
}

}  // namespace lumetra
