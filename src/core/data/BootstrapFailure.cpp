#include "data/BootstrapFailure.h"

#include "data/Bootstrap.h"
#include "settings/Paths.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace jm {
namespace {

// What is wrong with the file itself; empty when it looks like a database.
std::string fileCause(const std::filesystem::path& file)
{
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(file, ec);
    if (status.type() == std::filesystem::file_type::not_found) return "文件不存在";
    if (ec) return "无法查看这个文件（" + ec.message() + "）";
    if (status.type() == std::filesystem::file_type::directory) return "这是一个文件夹，不是数据库文件";
    if (status.type() != std::filesystem::file_type::regular) return "这不是普通文件";
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        const int error = errno;
        if (error == EACCES || error == EPERM) return "没有读取这个文件的权限";
        return std::string("无法读取这个文件（") + std::strerror(error) + "）";
    }
    char header[16] = {};
    in.read(header, sizeof header);
    const std::streamsize got = in.gcount();
    if (got == 0) return "文件是空的（0 字节），可能没有安装完整";
    // Every SQLite 3 database file begins with these 16 bytes.
    static constexpr char kSqliteHeader[] = "SQLite format 3";
    if (got < 16 || std::memcmp(header, kSqliteHeader, sizeof kSqliteHeader) != 0)
        return "这不是 SQLite 数据库文件，文件可能已损坏或不完整";
    return {};
}

} // namespace

std::string describeBootstrapFailure(const std::filesystem::path& file, std::string_view bootstrapError)
{
    std::string cause = fileCause(file);
    if (cause.empty()) {
        if (bootstrapError == kMessageOpenFailed)
            cause = "无法在内存中建立数据库，电脑的内存可能不够";
        else if (bootstrapError == kMessageAttachFailed)
            cause = "SQLite 无法打开这个文件，文件可能已损坏";
        else if (bootstrapError.find("no such table") != std::string_view::npos)
            cause = "文件中缺少必需的数据表（" + std::string(bootstrapError) + "），可能是旧版本或不完整的文件";
        else if (bootstrapError.find(" columns (") != std::string_view::npos)
            cause = "数据表的列与本版本不符（" + std::string(bootstrapError) + "），可能是别的版本的文件";
        else if (!bootstrapError.empty())
            cause = "文件内容有误：" + std::string(bootstrapError);
        else
            cause = "原因不明";
    }
    return "无法载入名字数据库\n" + displayPath(file) + "\n原因：" + cause
        + "。\n\n起名、姓名评分、新华字典和文章都要用到这个数据库，现在都不能使用；"
          "生辰八字和起名记录仍可使用。请重新安装嘉名（软件包 jiaming）后再试。";
}

} // namespace jm
