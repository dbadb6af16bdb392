#include "cli/Command.h"

#include "data/Bootstrap.h"
#include "settings/Paths.h"
#include "text/Text.h"

#include <cctype>

#include <cstdio>
#include <filesystem>
#include <ostream>

namespace jm::cli {

Arguments::Arguments(
    const std::vector<std::string>& raw, const std::set<std::string>& flags, const std::set<std::string>& valueOptions)
{
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const std::string& a = raw[i];
        if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
            std::string name = a.substr(2);
            const auto eq = name.find('=');
            const std::string bare = name.substr(0, eq);
            if (!flags.count(bare) && !valueOptions.count(bare)) {
                if (m_error.empty()) m_error = "unknown option --" + printable(bare);
                if (eq == std::string::npos && i + 1 < raw.size() && raw[i + 1].compare(0, 2, "--") != 0) ++i;
                continue;
            }
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

std::vector<std::string> Arguments::optionNames() const
{
    std::vector<std::string> names;
    for (const auto& [name, value] : m_options)
        names.push_back(name);
    return names;
}

std::set<std::string> optionsInUsage(const std::string& usage)
{
    std::set<std::string> names;
    for (std::size_t at = usage.find("--"); at != std::string::npos; at = usage.find("--", at + 2)) {
        std::size_t end = at + 2;
        while (end < usage.size() && (std::isalnum(static_cast<unsigned char>(usage[end])) || usage[end] == '-'))
            ++end;
        if (end > at + 2) names.insert(usage.substr(at + 2, end - at - 2));
    }
    return names;
}

bool isHelpSwitch(const std::string& arg)
{
    return arg == "--help" || arg == "-h";
}

bool isPathOption(const std::string& name)
{
    return name == "db" || name == "out" || name == "export";
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

int runCommandLine(std::vector<std::string> args, Io io)
{
    const auto usage = [](std::ostream& out) {
        out << "usage: jiaming-cli COMMAND [ARGS]\n";
        for (const auto& [name, info] : commands())
            out << "  " << info.usage << "\n";
        out << "  COMMAND --help shows the options of one command.\n";
    };
    if (args.empty()) {
        usage(io.err);
        return 2;
    }
    if (isHelpSwitch(args[0])) {
        usage(io.out);
        return 0;
    }
    // Every text reaches messages and JSON output, which must stay valid
    // UTF-8; only file paths may hold other bytes.
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool pathValue = i > 0 && args[i - 1].rfind("--", 0) == 0 && isPathOption(args[i - 1].substr(2));
        const std::size_t eq = a.find('=');
        const bool pathInline = a.rfind("--", 0) == 0 && eq != std::string::npos && isPathOption(a.substr(2, eq - 2));
        if (!pathValue && !pathInline && !isValidUtf8(a)) {
            io.err << "jiaming-cli: argument " << i + 1 << " is not valid UTF-8 text: " << printable(a) << "\n";
            return 2;
        }
    }
    const auto it = commands().find(args[0]);
    if (it == commands().end()) {
        io.err << "jiaming-cli: unknown command: " << printable(args[0]) << "\n";
        usage(io.err);
        return 2;
    }
    args.erase(args.begin());
    for (const std::string& a : args) {
        if (isHelpSwitch(a)) {
            io.out << "usage: jiaming-cli " << it->second.usage << "\n";
            if (it->second.details) it->second.details(io.out);
            return 0;
        }
    }
    return it->second.run(args, io);
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
    const Result<void> result = bootstrapDatabase(db, path.string());
    if (!result.ok()) {
        io.err << "jiaming-cli: " << result.error() << " (" << path.string() << ")\n";
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

std::string jsonString(const std::string& raw)
{
    std::string text;
    if (isValidUtf8(raw)) {
        text = raw;
    } else {
        for (const std::string& ch : splitCharacters(raw))
            text += isValidUtf8(ch) ? ch : "\xEF\xBF\xBD";
    }
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
            if (c < 0x20 || c == 0x7F) {
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
