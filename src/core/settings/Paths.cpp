#include "settings/Paths.h"

#include "text/Text.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace jm {
namespace {

std::string env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

fs::path home()
{
    const std::string h = env("HOME");
    return h.empty() ? fs::path("/tmp") : fs::path(h);
}

} // namespace

fs::path programDirectory()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return fs::current_path(ec);
    return exe.parent_path();
}

fs::path shippedDatabasePath()
{
    const std::string overridden = env("JIAMING_DB");
    if (!overridden.empty()) return overridden;
    const fs::path beside = programDirectory() / "data" / "namedata.db";
    const fs::path candidates[] = {
        beside,
        // An installed tree moved to another prefix (a package built for /usr).
        programDirectory().parent_path() / JIAMING_RELATIVE_DATADIR / "data" / "namedata.db",
        fs::path(JIAMING_INSTALL_DATADIR) / "data" / "namedata.db",
#ifndef NDEBUG
        // A debug build run from another build folder finds the Release build's
        // database; a released program never looks into the source tree.
        fs::path(JIAMING_SOURCE_DIR) / "build" / "data" / "namedata.db",
#endif
    };
    std::error_code ec;
    for (const fs::path& p : candidates)
        if (fs::is_regular_file(p, ec)) return p;
    return beside;
}

fs::path dataDirectory()
{
    const std::string overridden = env("JIAMING_DATA_DIR");
    if (!overridden.empty()) return overridden;
    const std::string xdg = env("XDG_DATA_HOME");
    const fs::path base = xdg.empty() ? home() / ".local" / "share" : fs::path(xdg);
    return base / "jiaming" / "data";
}

std::optional<fs::path> ensureDataDirectory()
{
    const fs::path dir = dataDirectory();
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (!fs::is_directory(dir, ec)) return std::nullopt;
    if (::access(dir.c_str(), W_OK) != 0) return std::nullopt;
    return dir;
}

fs::path configPath()
{
    const std::string overridden = env("JIAMING_CONFIG");
    if (!overridden.empty()) return overridden;
    const std::string xdg = env("XDG_CONFIG_HOME");
    const fs::path base = xdg.empty() ? home() / ".config" : fs::path(xdg);
    return base / "jiaming" / "config.dat";
}

// The temporary file of a write is the target's name + this + six random characters.
constexpr const char* kTemporarySuffix = ".tmp-";

namespace {

Failure writeFailure(const fs::path& path, const std::string& reason)
{
    return Failure { "无法写入 " + displayPath(path) + "：" + reason };
}

std::string systemReason(int error)
{
    return std::generic_category().message(error);
}

} // namespace

Result<void> writeFileAtomically(const fs::path& requested, const std::string& bytes)
{
    fs::path path = requested;
    struct stat info { };
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        // The file the link names is written; the link itself stays.
        std::error_code ec;
        const fs::path target = fs::canonical(path, ec);
        if (ec) return writeFailure(requested, "它是一个指向不存在文件的链接");
        path = target;
    }
    const bool exists = ::stat(path.c_str(), &info) == 0;
    if (!exists && errno != ENOENT) return writeFailure(requested, systemReason(errno));
    if (exists) {
        if (S_ISDIR(info.st_mode)) return writeFailure(requested, "这是一个目录");
        if (!S_ISREG(info.st_mode)) return writeFailure(requested, "这不是普通文件（设备、管道或套接字），不会被替换");
        // The mode bits count as well: root may write anything, but a file
        // its owner marked read-only is still not to be replaced.
        const bool writableBits = (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
        if (!writableBits || ::access(path.c_str(), W_OK) != 0)
            return writeFailure(requested, "文件是只读的，不会被替换");
    }
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return writeFailure(requested, "所在目录不存在");

    std::string tmpl = path.string() + kTemporarySuffix + "XXXXXX";
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0) return writeFailure(requested, systemReason(errno));
    const auto abandon = [&](int error) {
        ::close(fd);
        ::unlink(tmpl.c_str());
        return writeFailure(requested, systemReason(error));
    };
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return abandon(n < 0 ? errno : ENOSPC);
        written += static_cast<std::size_t>(n);
    }
    if (::fchmod(fd, exists ? (info.st_mode & 07777) : 0644) != 0) return abandon(errno);
    if (::fsync(fd) != 0) return abandon(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(tmpl.c_str());
        return writeFailure(requested, systemReason(error));
    }
    if (::rename(tmpl.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(tmpl.c_str());
        return writeFailure(requested, systemReason(error));
    }
    return success();
}

int removeStaleTemporaryFiles(const fs::path& path, fs::file_time_type::duration age)
{
    std::error_code ec;
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    const std::string prefix = path.filename().string() + kTemporarySuffix;
    const auto now = fs::file_time_type::clock::now();
    int removed = 0;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() != prefix.size() + 6 || !name.starts_with(prefix)) continue;
        const std::string suffix = name.substr(prefix.size());
        if (!std::all_of(suffix.begin(), suffix.end(), [](unsigned char c) { return std::isalnum(c); })) continue;
        std::error_code fileError;
        if (!it->is_regular_file(fileError)) continue;
        const auto written = fs::last_write_time(it->path(), fileError);
        if (fileError || now - written < age) continue;
        if (fs::remove(it->path(), fileError)) ++removed;
    }
    return removed;
}

Result<std::optional<std::string>> readExistingFile(const fs::path& path)
{
    const auto failure
        = [&](const std::string& reason) { return Failure { "无法读取 " + displayPath(path) + "：" + reason }; };
    // O_NONBLOCK: a FIFO put where the file belongs must not hang the reader.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT) return std::optional<std::string>();
        return failure(systemReason(errno));
    }
    struct stat info { };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return failure("这不是普通文件");
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return failure(systemReason(error));
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return std::optional<std::string>(std::move(bytes));
}

std::string displayPath(const fs::path& path)
{
    return printable(path.string());
}

std::optional<std::string> readFileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return buffer.str();
}

} // namespace jm
