// Collecting and printing the validator's findings.
#include "validate_content/content_report.h"

#include <algorithm>

namespace {

const char* kindWord(FindingKind k) {
    switch (k) {
        case FindingKind::Missing: return "missing";
        case FindingKind::Malformed: return "malformed";
        case FindingKind::Warning: return "warning";
    }
    return "";
}

}  // namespace

void ContentReport::checked(const std::string& path) { checked_.insert(path); }

void ContentReport::missing(const std::string& path, bool required, const std::string& detail) {
    checked(path);
    if (!seen_.insert(std::string("M\n") + path).second) {  // one missing line per path
        if (required) makeRequired(path);
        return;
    }
    findings_.push_back({FindingKind::Missing, path, detail, required});
}

void ContentReport::malformed(const std::string& path, bool required, const std::string& detail) {
    checked(path);
    if (!seen_.insert("X\n" + path + "\n" + detail).second) {
        if (required) makeRequired(path);
        return;
    }
    findings_.push_back({FindingKind::Malformed, path, detail, required});
}

void ContentReport::warning(const std::string& path, const std::string& detail) {
    if (!seen_.insert("W\n" + path + "\n" + detail).second) return;
    findings_.push_back({FindingKind::Warning, path, detail, false});
}

void ContentReport::makeRequired(const std::string& path) {
    for (Finding& f : findings_)
        if (f.path == path && f.kind != FindingKind::Warning) f.required = true;
}

bool ContentReport::has(FindingKind kind, const std::string& path) const {
    return std::any_of(findings_.begin(), findings_.end(),
                       [&](const Finding& f) { return f.kind == kind && f.path == path; });
}

int ContentReport::distinct(FindingKind kind, bool required) const {
    std::set<std::string> paths;
    for (const Finding& f : findings_)
        if (f.kind == kind && f.required == required) paths.insert(f.path);
    if (kind == FindingKind::Malformed && !required) {
        // A path malformed in a required way counts there only.
        for (const Finding& f : findings_)
            if (f.kind == kind && f.required) paths.erase(f.path);
    }
    return static_cast<int>(paths.size());
}

int ContentReport::missingCount(bool required) const { return distinct(FindingKind::Missing, required); }
int ContentReport::malformedCount(bool required) const { return distinct(FindingKind::Malformed, required); }

int ContentReport::warningCount() const { return distinct(FindingKind::Warning, false); }  // warnings are never required

std::string ContentReport::summary() const {
    std::string s = "content: " + std::to_string(filesChecked()) + " files checked; missing " +
                    std::to_string(missingCount(true)) + " required, " + std::to_string(missingCount(false)) +
                    " pending; malformed " + std::to_string(malformedCount(true)) + " required, " +
                    std::to_string(malformedCount(false)) + " pending; " + std::to_string(warningCount()) +
                    " with warnings\n";
    if (failed())
        s += "content: FAILED: " + std::to_string(problemCount()) + " required file(s) missing or malformed\n";
    else
        s += "content: OK (0 required files missing or malformed)\n";
    return s;
}

std::string ContentReport::text(bool listPending) const {
    std::vector<Finding> sorted = findings_;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Finding& a, const Finding& b) { return a.path < b.path; });

    struct Section {
        const char* title;
        FindingKind kind;
        bool required;
        bool listed;
    };
    const Section sections[] = {
        {"Required content missing", FindingKind::Missing, true, true},
        {"Required content malformed", FindingKind::Malformed, true, true},
        {"Pending content missing (readers still to come; not a failure)", FindingKind::Missing, false, listPending},
        {"Pending content malformed (readers still to come; not a failure)", FindingKind::Malformed, false,
         listPending},
        {"Warnings", FindingKind::Warning, false, true},
    };
    std::string out;
    for (const Section& sec : sections) {
        std::string lines;
        int count = 0;
        for (const Finding& f : sorted) {
            if (f.kind != sec.kind || f.required != sec.required) continue;
            ++count;
            lines += std::string("  ") + kindWord(f.kind) + "  " + f.path;
            if (!f.detail.empty()) lines += "  -- " + f.detail;
            lines += "\n";
        }
        if (count == 0) continue;
        out += std::string(sec.title) + " (" + std::to_string(count) + "):\n";
        out += sec.listed ? lines : "  (not listed)\n";
    }
    out += summary();
    return out;
}
