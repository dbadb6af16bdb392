#include "cli/Command.h"

#include "data/Bootstrap.h"
#include "settings/Paths.h"

#include <cstdio>
#include <filesystem>
#include <ostream>

namespace jm::cli {

Arguments::Arguments(const std::vector<std::string>& raw, const std::set<std::string>& flags)
{
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const std::string& a = raw[i];
        if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
            std::string name = a.substr(2);
            const auto eq = name.find('=');
            if (eq != std::string::npos) {
                m_options.emplace(name.substr(0, eq), name.substr(eq + 1));
            } else if (flags.count(name)) {
                m_options.emplace(name, "");
            } else if (i + 1 < raw.size()) {
                m_options.emplace(name, raw[++i]);
            } else {
                m_error = "option --" + name + " needs a value";
            }
        } else {
            m_positional.push_back(a);
        }
    }
}

std::optional<std::string> Arguments::value(const std::string& name) const
{
    const auto it = m_options.find(name);
    if (it == m_options.end()) return std::nullopt;
    return it->second;
}

std::vector<std::string> Arguments::values(const std::string& name) const
{
    std::vector<std::string> out;
    const auto range = m_options.equal_range(name);
    for (auto it = range.first; it != range.second; ++it)
        out.push_back(it->second);
    return out;
}

std::map<std::string, CommandInfo>& commands()
{
    static std::map<std::string, CommandInfo> all;
    return all;
}

bool openDatabase(NameDatabase& db, const Arguments& args, Io io)
{
    const std::filesystem::path path
        = args.value("db") ? std::filesystem::path(*args.value("db")) : shippedDatabasePath();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        io.err << "jiaming-cli: database not found: " << path.string() << "\n";
        return false;
    }
    const BootstrapResult result = bootstrapDatabase(db, path.string());
    if (!result.ok) {
        io.err << "jiaming-cli: " << result.error << " (" << path.string() << ")\n";
        return false;
    }
    return true;
}

std::string cautionsJson(const std::vector<Caution>& cautions)
{
    std::string j = "[";
    for (std::size_t i = 0; i < cautions.size(); ++i)
        j += std::string(i ? "," : "") + "{\"kind\":" + jsonString(cautions[i].kind)
            + ",\"text\":" + jsonString(cautions[i].text) + "}";
    return j + "]";
}

std::string jsonString(const std::string& text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

} // namespace jm::cli
