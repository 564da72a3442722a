// What the content validator found: every file it looked at, the files that
// are missing and the ones that are there but would not work, each marked
// required (its reader exists, or the content is shipped already) or
// pending (reader and content still to come).
//
// The report fails when required content is missing or malformed; pending
// content is listed for information only.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

enum class FindingKind { Missing, Malformed, Warning };

struct Finding {
    FindingKind kind = FindingKind::Missing;
    std::string path;    // relative to the game folder
    std::string detail;  // what is wrong (for missing files: what it is and who names it)
    bool required = false;
};

class ContentReport {
public:
    // A file was looked at (each path counts once).
    void checked(const std::string& path);
    void missing(const std::string& path, bool required, const std::string& detail);
    void malformed(const std::string& path, bool required, const std::string& detail);
    void warning(const std::string& path, const std::string& detail);
    // A later, required use of a path already reported as pending makes
    // its findings required.
    void makeRequired(const std::string& path);

    int filesChecked() const { return static_cast<int>(checked_.size()); }
    const std::set<std::string>& checkedPaths() const { return checked_; }
    // Distinct paths with a finding of the kind.
    int missingCount(bool required) const;
    int malformedCount(bool required) const;
    int warningCount() const;
    // Required missing + required malformed paths: the validator's exit status
    // is non-zero when this is not 0.
    int problemCount() const { return missingCount(true) + malformedCount(true); }
    bool failed() const { return problemCount() > 0; }

    const std::vector<Finding>& findings() const { return findings_; }
    bool has(FindingKind kind, const std::string& path) const;

    // The report as printed: findings grouped (required problems first),
    // file by file, then the summary. With listPending false, pending files
    // are only counted.
    std::string text(bool listPending = true) const;
    std::string summary() const;

private:
    int distinct(FindingKind kind, bool required) const;
    std::set<std::string> checked_;
    std::vector<Finding> findings_;
    std::set<std::string> seen_;  // kind + path + detail, so a finding is kept once
};
