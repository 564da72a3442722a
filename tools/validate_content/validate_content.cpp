// validate_content: checks a generated game folder against the content the
// program reads.
//
//     validate_content [--game-dir DIR] [--no-pending] [--verbose] [--list]
//
// Starts from the program's fixed paths (src/app/content_paths.inc) and
// follows every file they name. Prints what is missing or malformed, file by
// file, then a summary. Exit status 1 when required content (read by code
// that exists, or shipped already) is missing or malformed, 0 otherwise;
// content whose readers are still to come is listed but does not fail.
// 2 on a wrong command line.
//
//   --game-dir DIR  the game folder (default: the working folder)
//   --no-pending    count pending content without listing it
//   --verbose       also list every file looked at
//   --list          print the fixed paths with their kind and readiness, and stop
#include <cstdio>
#include <string>

#include "app/content_paths.h"
#include "platform/files.h"
#include "validate_content/content_validator.h"

namespace {

const char* const kUsage = "usage: validate_content [--game-dir DIR] [--no-pending] [--verbose] [--list]\n";

const char* readinessName(ContentReadiness r) {
    switch (r) {
        case ContentReadiness::Built: return "built";
        case ContentReadiness::ShippedNow: return "shipped";
        case ContentReadiness::Pending: return "pending";
    }
    return "";
}

void printList() {
    for (const ContentEntry& e : contentEntries())
        std::printf("%-8s %-11s %-18s %-46s %s\n", readinessName(e.readiness), e.subsystem,
                    contentKindName(e.shape.kind), e.path, e.use);
}

}  // namespace

int main(int argc, char** argv) {
    std::string gameDir = ".";
    bool listPending = true;
    bool verbose = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--game-dir" && i + 1 < argc) {
            gameDir = argv[++i];
        } else if (arg == "--no-pending") {
            listPending = false;
        } else if (arg == "--verbose") {
            verbose = true;
        } else if (arg == "--list") {
            printList();
            return 0;
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else {
            std::fprintf(stderr, "validate_content: unknown argument %s\n%s", arg.c_str(), kUsage);
            return 2;
        }
    }
    if (platform::pathKind(gameDir) != platform::PathKind::FOLDER) {
        std::fprintf(stderr, "validate_content: no game folder at %s (build the content target first)\n",
                     gameDir.c_str());
        return 1;
    }
    ContentValidator validator(gameDir);
    validator.run(contentEntries());
    if (verbose) {
        std::printf("Files looked at:\n");
        for (const std::string& path : validator.report().checkedPaths()) std::printf("  %s\n", path.c_str());
    }
    std::printf("content of %s\n%s", platform::absolutePath(gameDir).c_str(),
                validator.report().text(listPending).c_str());
    std::fflush(stdout);
    return validator.report().failed() ? 1 : 0;
}
