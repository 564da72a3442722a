// Runs a fuzz target over every file of a corpus folder once, so the corpus is
// replayed as an ordinary test when libFuzzer is not in use.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    int files = 0;
    for (int i = 1; i < argc; ++i) {
        std::error_code ec;
        std::filesystem::path root(argv[i]);
        auto run = [&](const std::filesystem::path& p) {
            std::ifstream in(p, std::ios::binary);
            std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
            ++files;
        };
        if (std::filesystem::is_directory(root, ec)) {
            for (const auto& e : std::filesystem::recursive_directory_iterator(root, ec))
                if (e.is_regular_file()) run(e.path());
        } else if (std::filesystem::is_regular_file(root, ec)) {
            run(root);
        }
    }
    std::printf("replayed %d inputs\n", files);
    return 0;
}
