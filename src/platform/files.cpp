// Files and folders on POSIX systems: path queries, whole-file reading with
// the byte-order-mark rule, the game's text encoding and the one atomic
// writer every saved file goes through.
#include "platform/files.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <system_error>
#include <vector>

namespace platform {
namespace {

constexpr uint32_t kReplacement = 0xFFFD;

std::string errnoText(int err) { return std::generic_category().message(err); }

void appendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Reads one code point of UTF-8 at i and advances i. A malformed sequence
// gives U+FFFD and consumes only its longest valid-looking start, so the byte
// that broke it is read again as the start of the next character.
uint32_t nextUtf8(const std::string& s, size_t& i) {
    const size_t n = s.size();
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
        ++i;
        return c;
    }
    int need;
    uint32_t cp;
    unsigned char lo = 0x80, hi = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        need = 1;
        cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        need = 2;
        cp = c & 0x0F;
        if (c == 0xE0) lo = 0xA0;  // no over-long forms
        if (c == 0xED) hi = 0x9F;  // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        need = 3;
        cp = c & 0x07;
        if (c == 0xF0) lo = 0x90;  // no over-long forms
        if (c == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
    } else {
        ++i;
        return kReplacement;
    }
    ++i;
    for (int k = 0; k < need; ++k) {
        if (i >= n) return kReplacement;
        const unsigned char t = static_cast<unsigned char>(s[i]);
        if (t < lo || t > hi) return kReplacement;
        cp = (cp << 6) | (t & 0x3F);
        ++i;
        lo = 0x80;
        hi = 0xBF;
    }
    return cp;
}

std::string decodeUtf8(const std::string& bytes, size_t start) {
    std::string out;
    out.reserve(bytes.size() - start);
    size_t i = start;
    while (i < bytes.size()) {
        // Plain ASCII runs are copied as they are.
        const size_t runStart = i;
        while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80) ++i;
        out.append(bytes, runStart, i - runStart);
        if (i < bytes.size()) appendUtf8(out, nextUtf8(bytes, i));
    }
    return out;
}

std::string decodeUtf16(const std::string& bytes, size_t start, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size() - start);
    auto unit = [&](size_t at) -> uint32_t {
        const auto a = static_cast<unsigned char>(bytes[at]);
        const auto b = static_cast<unsigned char>(bytes[at + 1]);
        return bigEndian ? (uint32_t(a) << 8 | b) : (uint32_t(b) << 8 | a);
    };
    // A lone last byte is not a character and is dropped.
    const size_t end = start + ((bytes.size() - start) & ~size_t(1));
    size_t i = start;
    while (i < end) {
        const uint32_t u = unit(i);
        i += 2;
        if (u >= 0xD800 && u <= 0xDBFF) {
            if (i < end) {
                const uint32_t low = unit(i);
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    i += 2;
                    appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                    continue;
                }
            }
            appendUtf8(out, kReplacement);
        } else if (u >= 0xDC00 && u <= 0xDFFF) {
            appendUtf8(out, kReplacement);
        } else {
            appendUtf8(out, u);
        }
    }
    return out;
}

bool startsWith(const std::string& s, const char* prefix, size_t n) {
    return s.size() >= n && s.compare(0, n, prefix, n) == 0;
}

// True when the bytes would be taken for a byte-order mark on reading.
bool looksLikeMark(const std::string& bytes) {
    return startsWith(bytes, "\xFE\xFF", 2) || startsWith(bytes, "\xFF\xFE", 2) ||
           startsWith(bytes, "\xEF\xBB\xBF", 3);
}

bool writeAll(int fd, const std::string& bytes, int& err) {
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t w = ::write(fd, p, left);
        if (w < 0) {
            if (errno == EINTR) continue;
            err = errno;
            return false;
        }
        if (w == 0) {
            err = EIO;
            return false;
        }
        p += w;
        left -= static_cast<size_t>(w);
    }
    return true;
}

}  // namespace

PathKind pathKind(const std::string& path) {
    struct stat st;
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return PathKind::NONE;
    return S_ISDIR(st.st_mode) ? PathKind::FOLDER : PathKind::FILE;
}

bool createFolder(const std::string& path) {
    return !path.empty() && ::mkdir(path.c_str(), 0755) == 0;
}

std::string currentFolder() {
    std::vector<char> buf(4096);
    while (true) {
        if (::getcwd(buf.data(), buf.size()) != nullptr) return std::string(buf.data());
        if (errno != ERANGE || buf.size() > (1u << 20)) return std::string();
        buf.resize(buf.size() * 2);
    }
}

bool changeFolder(const std::string& path) {
    return !path.empty() && ::chdir(path.c_str()) == 0;
}

std::string absolutePath(const std::string& path) {
    std::string full = (!path.empty() && path[0] == '/') ? path : currentFolder() + "/" + path;
    std::vector<std::string> parts;
    size_t i = 0;
    while (i <= full.size()) {
        size_t j = full.find('/', i);
        if (j == std::string::npos) j = full.size();
        std::string piece = full.substr(i, j - i);
        if (piece == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!piece.empty() && piece != ".") {
            parts.push_back(std::move(piece));
        }
        i = j + 1;
    }
    if (parts.empty()) return "/";
    std::string out;
    for (const auto& p : parts) out += "/" + p;
    return out;
}

std::string folderPart(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return std::string();
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string environment(const std::string& name) {
    const char* v = std::getenv(name.c_str());
    return v ? std::string(v) : std::string();
}

std::string userDatabaseHome() {
    long hint = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buf(hint > 0 ? static_cast<size_t>(hint) : 1024);
    struct passwd pw;
    struct passwd* found = nullptr;
    while (true) {
        const int rc = ::getpwuid_r(::getuid(), &pw, buf.data(), buf.size(), &found);
        if (rc == ERANGE && buf.size() < (1u << 20)) {
            buf.resize(buf.size() * 2);
            continue;
        }
        if (rc != 0 || found == nullptr || pw.pw_dir == nullptr) return std::string();
        return std::string(pw.pw_dir);
    }
}

bool readBinaryFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    if (path.empty()) return false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat st;
    // Only regular files are read: a folder (or a pipe or device) is no file.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    if (st.st_size > 0) bytes.reserve(static_cast<size_t>(st.st_size));
    char chunk[65536];
    while (true) {
        const ssize_t r = ::read(fd, chunk, sizeof chunk);
        if (r < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            bytes.clear();
            return false;
        }
        if (r == 0) break;
        bytes.append(chunk, static_cast<size_t>(r));
    }
    ::close(fd);
    return true;
}

bool readTextFile(const std::string& path, std::string& text) {
    std::string bytes;
    if (!readBinaryFile(path, bytes)) {
        text.clear();
        return false;
    }
    text = decodeText(bytes);
    return true;
}

std::string decodeText(const std::string& bytes) {
    if (startsWith(bytes, "\xFE\xFF", 2)) return decodeUtf16(bytes, 2, true);
    if (startsWith(bytes, "\xFF\xFE", 2)) return decodeUtf16(bytes, 2, false);
    if (startsWith(bytes, "\xEF\xBB\xBF", 3)) return decodeUtf8(bytes, 3);
    // One byte per character: Latin-1 code points.
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) appendUtf8(out, static_cast<unsigned char>(ch));
    return out;
}

std::string encodeText(const std::string& utf8) {
    std::vector<uint32_t> cps;
    cps.reserve(utf8.size());
    bool narrow = true;
    size_t i = 0;
    while (i < utf8.size()) {
        const uint32_t cp = nextUtf8(utf8, i);
        if (cp > 0xFF) narrow = false;
        cps.push_back(cp);
    }
    if (narrow) {
        std::string out;
        out.reserve(cps.size());
        for (const uint32_t cp : cps) out.push_back(static_cast<char>(cp));
        // A text that starts like a byte-order mark would be misread as
        // UTF-16 or UTF-8; the marked form keeps it intact.
        if (!looksLikeMark(out)) return out;
    }
    std::string out = "\xFF\xFE";
    out.reserve(2 + cps.size() * 2);
    auto put = [&out](uint32_t u) {
        out.push_back(static_cast<char>(u & 0xFF));
        out.push_back(static_cast<char>((u >> 8) & 0xFF));
    };
    for (const uint32_t cp : cps) {
        if (cp >= 0x10000) {
            const uint32_t v = cp - 0x10000;
            put(0xD800 + (v >> 10));
            put(0xDC00 + (v & 0x3FF));
        } else {
            put(cp);
        }
    }
    return out;
}

WriteResult writeFileAtomic(const std::string& path, const std::string& bytes) {
    WriteResult result;
    if (path.empty()) {
        result.error = "empty file name";
        return result;
    }
    if (pathKind(path) == PathKind::FOLDER) {
        result.error = path + " is a folder";
        return result;
    }
    const std::string temp = path + ".tmp-" + std::to_string(static_cast<long>(::getpid()));
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) {
        result.error = "cannot create " + temp + ": " + errnoText(errno);
        return result;
    }
    int err = 0;
    std::string step;
    if (!writeAll(fd, bytes, err)) {
        step = "cannot write ";
    } else if (::fsync(fd) != 0) {
        err = errno;
        step = "cannot sync ";
    }
    if (::close(fd) != 0 && step.empty()) {
        err = errno;
        step = "cannot close ";
    }
    if (step.empty() && ::rename(temp.c_str(), path.c_str()) != 0) {
        err = errno;
        step = "cannot replace " + path + " with ";
    }
    if (!step.empty()) {
        ::unlink(temp.c_str());
        result.error = step + temp + ": " + errnoText(err);
        return result;
    }
    // Make the rename itself durable. The new file is in place whatever this
    // gives, so a folder that cannot be synced is not a failed write.
    std::string folder = folderPart(path);
    if (folder.empty()) folder = ".";
    const int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    result.ok = true;
    return result;
}

WriteResult writeTextFile(const std::string& path, const std::string& utf8) {
    return writeFileAtomic(path, encodeText(utf8));
}

}  // namespace platform
