// Replays every file of the given folders (or single files) through the fuzz
// entry point, plus a few fixed edge inputs; used where libFuzzer is not built.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

static void runOne(const std::vector<uint8_t>& bytes)
{
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
}

int main(int argc, char** argv)
{
    runOne({});
    runOne({0});
    runOne(std::vector<uint8_t>(4096, 0xff));
    int files = 0;
    for (int i = 1; i < argc; ++i) {
        std::filesystem::path p(argv[i]);
        std::error_code ec;
        std::vector<std::filesystem::path> inputs;
        if (std::filesystem::is_directory(p, ec)) {
            for (const auto& e : std::filesystem::recursive_directory_iterator(p, ec))
                if (e.is_regular_file()) inputs.push_back(e.path());
        } else if (std::filesystem::is_regular_file(p, ec)) {
            inputs.push_back(p);
        }
        for (const auto& f : inputs) {
            std::ifstream in(f, std::ios::binary);
            std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
            runOne(bytes);
            ++files;
        }
    }
    std::printf("replayed %d corpus files\n", files);
    return 0;
}
