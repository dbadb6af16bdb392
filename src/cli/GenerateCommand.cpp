// jiaming-cli generate --surname S --sex 男|女 --length 1|2 --mode MODE [--generation-char second|third:CHAR]
//                      [--seed N] [--format tsv|json] [--export FILE] [--db PATH] [mode options]
// The classic mode prints its text as the text box holds it (CR LF line ends).
// --export writes the list (every mode) or the text (classic) as the export
// buttons do: GBK bytes (GB18030 for characters outside GBK, with a note on
// the error stream), CR LF, header line first for a list.
// A run that lists nothing says why on the error stream and still exits 0.
#include "cli/Command.h"
#include "cli/GenerateModes.h"
#include "generate/EmptyListReason.h"
#include "generate/GenerationWorker.h"
#include "generate/NameList.h"
#include "generate/RequestCheck.h"
#include "generate/ResultExport.h"
#include "scoring/NameInput.h"

#include <charconv>
#include <ostream>
#include <string_view>

namespace jm::cli {

std::map<std::string, GenerateModeInfo>& generateModes()
{
    static std::map<std::string, GenerateModeInfo> all;
    return all;
}

namespace {

const char* const kUsage = "generate --surname S --sex 男|女 --length 1|2 --mode MODE "
                           "[--generation-char second:CHAR|third:CHAR] [--seed N] [--all] [--format tsv|json] "
                           "[--export FILE] [--db PATH]";

/// Writes the messages a window would show to the error stream, as they come.
class MessagePrinter final : public GenerationSink {
public:
    explicit MessagePrinter(std::ostream& err)
        : m_err(err)
    {
    }
    void onEvent(GenerationEvent& event) override
    {
        if (const auto* e = std::get_if<generation_event::Message>(&event))
            m_err << e->message.title << ": " << e->message.text << "\n";
    }

private:
    std::ostream& m_err;
};

std::string modeNames()
{
    std::string names;
    for (const auto& [name, info] : generateModes())
        names += (names.empty() ? "" : "|") + name;
    return names;
}

void printModes(std::ostream& out)
{
    out << "  MODE: " << modeNames() << "\n";
    for (const auto& [name, info] : generateModes())
        if (!info.usage.empty()) out << "  --mode " << name << " " << info.usage << "\n";
}

void printUsage(Io io)
{
    io.err << "usage: jiaming-cli " << kUsage << "\n";
    printModes(io.err);
}

/// The options every mode reads.
std::set<std::string> commonOptions()
{
    return optionsInUsage(kUsage);
}

/// The options of one mode: those of its usage text and its switches.
std::set<std::string> modeOptions(const GenerateModeInfo& info)
{
    std::set<std::string> names = optionsInUsage(info.usage);
    names.insert(info.flags.begin(), info.flags.end());
    return names;
}

/// An option given that neither every mode nor the chosen one reads; "" when none.
std::string inapplicableOption(const Arguments& args, const std::string& modeName, const GenerateModeInfo& info)
{
    const std::set<std::string> common = commonOptions();
    const std::set<std::string> own = modeOptions(info);
    for (const std::string& name : args.optionNames())
        if (!common.count(name) && !own.count(name)) return "--" + name + " does not apply to --mode " + modeName;
    return {};
}

/// Fills the common fields of the request; returns an error text or "".
std::string readCommonOptions(const Arguments& args, GenerationRequest& request)
{
    const auto mode = generateModes().find(args.value("mode").value_or(""));
    const bool needsSexAndLength = mode == generateModes().end() || mode->second.needsSexAndLength;
    for (const char* required : { "surname", "sex", "length", "mode" }) {
        const bool optional
            = !needsSexAndLength && std::string_view(required) != "surname" && std::string_view(required) != "mode";
        if (!optional && !args.has(required)) return std::string("missing --") + required;
    }
    request.surname = args.value("surname").value_or("");
    request.showAllNames = args.has("all");
    if (mode == generateModes().end() || mode->second.mode != GenerationMode::English)
        if (const Result<void> shape = checkNameShape(request.surname, "姓氏", kMaxSurnameCharacters); !shape)
            return shape.error();
    request.sex = args.value("sex").value_or("男");
    if (request.sex != "男" && request.sex != "女") return "--sex must be 男 or 女";
    const std::string length = args.value("length").value_or("2");
    if (length == "1" || length == "一字")
        request.nameLength = 1;
    else if (length == "2" || length == "二字")
        request.nameLength = 2;
    else
        return "--length must be 1 or 2";

    if (const auto gen = args.value("generation-char")) {
        const auto colon = gen->find(':');
        const std::string kind = gen->substr(0, colon);
        const std::string text = colon == std::string::npos ? std::string() : gen->substr(colon + 1);
        if (text.empty()) return "--generation-char needs a character: second:CHAR or third:CHAR";
        auto& setting = request.generationCharacter;
        if (kind == "second") {
            setting.kind = GenerationCharacterSetting::Kind::Second;
            setting.secondCharacter = text;
        } else if (kind == "third") {
            setting.kind = GenerationCharacterSetting::Kind::Third;
            setting.thirdCharacter = text;
        } else {
            return "--generation-char must be second:CHAR or third:CHAR";
        }
    }
    if (const auto seed = args.value("seed")) {
        std::uint64_t value = 0;
        const auto [end, ec] = std::from_chars(seed->data(), seed->data() + seed->size(), value);
        if (ec != std::errc() || end != seed->data() + seed->size()) return "--seed must be a non-negative integer";
        request.seed = value;
    }
    return {};
}

void printTsv(const GenerationResult& result, std::ostream& out)
{
    for (std::size_t c = 0; c < kNameRowHeaders.size(); ++c)
        out << (c ? "\t" : "") << kNameRowHeaders[c];
    out << "\n";
    std::string line;
    for (std::size_t k = 0; k < result.rowCount(); ++k) {
        // Row by row: a poem run can list over a million names.
        const NameRow row = result.names->row((*result.names)[result.order[k]], k + 1, false);
        line.clear();
        for (std::size_t c = 0; c < row.columns.size(); ++c) {
            if (c) line += '\t';
            line += row.columns[c];
        }
        line += '\n';
        out << line;
    }
}

bool producesText(GenerationMode mode)
{
    return mode == GenerationMode::Classic;
}

void printJson(const std::string& modeName, const GenerationResult& result, std::ostream& out)
{
    const GenerationRequest& r = result.request;
    out << "{\"surname\":" << jsonString(r.surname) << ",\"sex\":" << jsonString(r.sex)
        << ",\"length\":" << r.nameLength << ",\"mode\":" << jsonString(modeName) << ",\"seed\":" << result.seed
        << ",\"stopped\":" << (result.stopped ? "true" : "false") << ",\"excluded\":{";
    // What the list left out, by reason (all zero with --all but the surname rule).
    for (std::size_t e = 1; e < kExclusionCount; ++e)
        out << (e > 1 ? "," : "") << jsonString(std::string(exclusionLabel(static_cast<Exclusion>(e)))) << ":"
            << result.excluded[e];
    out << "}";
    if (producesText(r.mode)) {
        out << ",\"text\":" << jsonString(result.text) << "}\n";
        return;
    }
    out << ",\"rows\":[";
    for (std::size_t i = 0; i < result.rowCount(); ++i) {
        const NameRow row = result.row(i);
        out << (i ? "," : "") << "{";
        for (std::size_t c = 0; c < kNameRowHeaders.size(); ++c)
            out << (c ? "," : "") << jsonString(std::string(kNameRowHeaders[c])) << ":" << jsonString(row.columns[c]);
        out << ",\"cautions\":" << cautionsJson(row.cautions) << "}";
    }
    out << "]}\n";
}

int runGenerate(const std::vector<std::string>& raw, Io io)
{
    std::set<std::string> flags { "all" };
    std::set<std::string> valueOptions = commonOptions();
    for (const auto& [name, info] : generateModes()) {
        flags.insert(info.flags.begin(), info.flags.end());
        for (const std::string& option : optionsInUsage(info.usage))
            if (!info.flags.count(option)) valueOptions.insert(option);
    }
    const Arguments args(raw, flags, valueOptions);
    if (!args.error().empty() || !args.positional().empty()) {
        io.err << "jiaming-cli generate: " << (args.error().empty() ? "unexpected argument" : args.error()) << "\n";
        printUsage(io);
        return 2;
    }
    GenerationRequest request;
    std::string error = readCommonOptions(args, request);
    const std::string modeName = args.value("mode").value_or("");
    const auto mode = generateModes().find(modeName);
    if (error.empty() && mode == generateModes().end()) error = "unknown mode: " + modeName;
    if (error.empty()) error = inapplicableOption(args, modeName, mode->second);
    if (error.empty()) {
        request.mode = mode->second.mode;
        error = mode->second.configure(args, request);
    }
    const std::string format = args.value("format").value_or("tsv");
    if (error.empty() && format != "tsv" && format != "json") error = "--format must be tsv or json";
    const auto exportPath = args.value("export");
    if (!error.empty()) {
        io.err << "jiaming-cli generate: " << error << "\n";
        printUsage(io);
        return 2;
    }

    NameDatabase db;
    if (!openDatabase(db, args, io)) return 1;
    if (mode->second.resolve) {
        error = mode->second.resolve(db, args, request);
        if (!error.empty()) {
            io.err << "jiaming-cli generate: " << error << "\n";
            return 1;
        }
    }
    if (const Result<void> checked = checkGenerationRequest(db, request); !checked) {
        io.err << "jiaming-cli generate: " << checked.error() << "\n";
        return 2;
    }
    RunControl control;
    MessagePrinter printer(io.err);
    const GenerationResult result = GenerationWorker(db, control).run(request, printer);
    if (mode->second.print)
        mode->second.print(result, format == "json", io.out);
    else if (format == "json")
        printJson(modeName, result, io.out);
    else if (producesText(request.mode))
        io.out << result.text;
    else
        printTsv(result, io.out);
    // A list that came out empty says why; it is still a list (exit 0).
    if (const std::string why = emptyListReason(result); !why.empty())
        io.err << "jiaming-cli generate: " << why << "\n";
    if (exportPath) {
        const std::string text = producesText(request.mode) ? result.text
            : request.mode == GenerationMode::English       ? englishListText(result.englishRows)
                                                            : resultListText(result.rows());
        const Result<ExportedFile> written = exportTextTo(*exportPath, text);
        if (!written) {
            io.err << "jiaming-cli generate: " << written.error() << "\n";
            return 1;
        }
        if (written->gb18030)
            io.err << "jiaming-cli generate: " << *exportPath << " holds characters outside GBK: written as GB18030\n";
    }
    return 0;
}

const Registrar kRegistrar("generate", kUsage, runGenerate, printModes);

} // namespace
} // namespace jm::cli
