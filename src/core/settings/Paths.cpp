#include "settings/Paths.h"

#include <algorithm>
#include <cctype>
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
        programDirectory().parent_path() / "share" / "jiaming" / "data" / "namedata.db",
        fs::path(JIAMING_INSTALL_DATADIR) / "data" / "namedata.db",
        fs::path(JIAMING_SOURCE_DIR) / "build" / "data" / "namedata.db",
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

bool writeFileAtomically(const fs::path& path, const std::string& bytes)
{
    std::error_code ec;
    if (path.has_parent_path()) fs::create_directories(path.parent_path(), ec);
    std::string tmpl = path.string() + kTemporarySuffix + "XXXXXX";
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0) return false;
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n <= 0) {
            ::close(fd);
            ::unlink(tmpl.c_str());
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        ::unlink(tmpl.c_str());
        return false;
    }
    ::chmod(tmpl.c_str(), 0644);
    if (::rename(tmpl.c_str(), path.c_str()) != 0) {
        ::unlink(tmpl.c_str());
        return false;
    }
    return true;
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
