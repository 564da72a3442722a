// Resolving content paths inside the game folder.
#include "validate_content/content_paths_resolve.h"

#include <vector>

std::string contentFolderOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::optional<std::string> resolveContentPath(const std::string& folder, const std::string& path) {
    if (path.empty() || path.front() == '/') return std::nullopt;
    std::vector<std::string> parts;
    auto walk = [&](const std::string& text) {
        size_t start = 0;
        while (start <= text.size()) {
            size_t slash = text.find('/', start);
            std::string piece = text.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
            if (piece == "..") {
                if (parts.empty()) return false;
                parts.pop_back();
            } else if (!piece.empty() && piece != ".") {
                parts.push_back(piece);
            }
            if (slash == std::string::npos) break;
            start = slash + 1;
        }
        return true;
    };
    if (!walk(folder) || !walk(path) || parts.empty()) return std::nullopt;
    std::string out;
    for (const std::string& p : parts) out += (out.empty() ? "" : "/") + p;
    return out;
}
