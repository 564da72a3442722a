// A fresh folder under the system's temporary folder for one test, removed
// with everything in it when the test ends; optionally the working folder
// while it lives (for code that reads paths relative to it, such as "txt/").
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class ScratchFolder {
public:
    explicit ScratchFolder(bool enter = false) {
        std::string base = "/tmp";
        if (const char* t = std::getenv("TMPDIR"); t != nullptr && *t != '\0') base = t;
        std::string pattern = base + "/fieldstack-test-XXXXXX";
        if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
        if (enter && !path_.empty()) {
            previous_ = std::filesystem::current_path().string();
            std::filesystem::current_path(path_);
        }
    }
    ~ScratchFolder() {
        if (!previous_.empty()) std::filesystem::current_path(previous_);
        if (path_.empty()) return;
        std::error_code ec;
        // Give back write permission first so read-only folders can go too.
        for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
            if (it->is_directory(ec)) ::chmod(it->path().c_str(), 0755);
        }
        ::chmod(path_.c_str(), 0755);
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

    // Writes raw bytes to name (relative to the folder), creating folders on the way.
    std::string write(const std::string& name, const std::string& bytes) const {
        const std::string full = file(name);
        std::filesystem::create_directories(std::filesystem::path(full).parent_path());
        std::ofstream out(full, std::ios::binary);
        out << bytes;
        return full;
    }

    static std::string read(const std::string& full) {
        std::ifstream in(full, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

private:
    std::string path_;
    std::string previous_;
};
