// A temporary HOME for tests that touch the per-user folder; the previous
// HOME comes back afterwards.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include <unistd.h>

class TempHome {
public:
    TempHome() {
        char pattern[] = "/tmp/fieldstack-test-home-XXXXXX";
        const char* made = mkdtemp(pattern);
        path = made ? made : "/tmp";
        if (const char* old = std::getenv("HOME")) saved = old;
        setenv("HOME", path.c_str(), 1);
    }
    ~TempHome() {
        if (saved) {
            setenv("HOME", saved->c_str(), 1);
        } else {
            unsetenv("HOME");
        }
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::string path;

private:
    std::optional<std::string> saved;
};
