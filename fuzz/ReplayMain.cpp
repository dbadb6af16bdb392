// Runs a fuzz target without libFuzzer: every file of the given corpus
// folders, then a fixed number of inputs made by mutating them with a seeded
// generator. Used for the short smoke runs of the test suite and for builds
// with a compiler that has no libFuzzer.
//
//   replay_text_fuzz [--runs N] CORPUS_DIR...
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void run(const std::string& input)
{
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

std::string mutate(std::string input, std::mt19937& random)
{
    const int steps = 1 + static_cast<int>(random() % 8);
    for (int i = 0; i < steps; ++i) {
        const std::size_t at = input.empty() ? 0 : random() % (input.size() + 1);
        switch (random() % 4) {
        case 0:
            input.insert(at, 1, static_cast<char>(random()));
            break;
        case 1:
            if (at < input.size()) input.erase(at, 1 + random() % 4);
            break;
        case 2:
            if (at < input.size()) input[at] = static_cast<char>(random());
            break;
        default:
            if (!input.empty()) input.insert(at, input.substr(random() % input.size(), 1 + random() % 8));
        }
    }
    return input;
}

} // namespace

int main(int argc, char** argv)
{
    long runs = 20000;
    std::vector<std::string> seeds;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            runs = std::atol(argv[++i]);
            continue;
        }
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(arg))
            if (entry.is_regular_file()) files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const auto& file : files) {
            std::ifstream in(file, std::ios::binary);
            seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    }
    if (seeds.empty()) seeds.emplace_back();
    for (const std::string& seed : seeds)
        run(seed);
    std::mt19937 random(12345);
    for (long i = 0; i < runs; ++i) {
        std::string input = mutate(seeds[random() % seeds.size()], random);
        if (random() % 16 == 0) input += seeds[random() % seeds.size()];
        run(input);
    }
    std::printf("%zu corpus inputs and %ld mutated inputs passed\n", seeds.size(), runs);
    return 0;
}
