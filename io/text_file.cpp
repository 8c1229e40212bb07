#include "io/text_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "core/convert.h"
#include "core/line_list.h"

namespace rotacle {

std::vector<std::string> SplitLines(std::string_view text) {
    const LineList lines = LineList::Split(text);
    return {lines.begin(), lines.end()};
}

std::string ReadFileText(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw FileError("Cannot open file \"" + path + "\". Is a directory");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw FileError("Cannot open file \"" + path + "\". " + std::strerror(errno));
    std::string text;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec) text.reserve(static_cast<std::size_t>(size));
    char buf[1 << 16];
    while (in.read(buf, sizeof buf) || in.gcount() > 0)
        text.append(buf, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) throw FileError("Cannot read file \"" + path + "\". " + std::strerror(errno));
    return text;
}

std::vector<std::string> ReadLines(const std::string& path) { return SplitLines(ReadFileText(path)); }

void WriteTextAtomic(const std::string& path, std::string_view text) {
    namespace fs = std::filesystem;
    const auto fail = [&](int err) {
        throw FileError("Cannot create file \"" + path + "\". " + std::strerror(err));
    };
    std::error_code ec;
    if (fs::is_directory(path, ec)) fail(EISDIR);
    const fs::path target(path);
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string tmp = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0) fail(errno);
    // mkstemp creates the file readable by the owner only; give it the usual
    // rights so that the replaced file keeps being readable by others.
    ::fchmod(fd, 0644);
    const char* p = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t w = ::write(fd, p, left);
        if (w < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            ::unlink(tmp.c_str());
            fail(err);
        }
        p += w;
        left -= static_cast<std::size_t>(w);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        fail(err);
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        fail(err);
    }
}

void WriteLinesAtomic(const std::string& path, const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& l : lines) size += l.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& l : lines) {
        text += l;
        text += "\r\n";
    }
    WriteTextAtomic(path, text);
}

}  // namespace rotacle
