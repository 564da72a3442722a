// The hierarchical data file: reader, lookups, setters and writer.
#include "datafile/rcm_file.h"

#include <array>
#include <string_view>
#include <utility>

#include "app/numbers.h"
#include "app/strings.h"
#include "platform/files.h"
#include "platform/system.h"

namespace {

// The characters that mean something to the reader, everywhere in a file
// (also between double quotes).
constexpr std::array<bool, 256> makeSpecial() {
    std::array<bool, 256> t{};
    t[static_cast<unsigned char>('{')] = true;
    t[static_cast<unsigned char>('}')] = true;
    t[static_cast<unsigned char>('=')] = true;
    t[static_cast<unsigned char>('\n')] = true;
    return t;
}
constexpr std::array<bool, 256> kSpecial = makeSpecial();

// Index just past the "}" matching the "{" at open, or the end of the text.
size_t skipGroup(const std::string& text, size_t open) {
    size_t depth = 0;
    for (size_t i = open; i < text.size(); ++i) {
        if (text[i] == '{') {
            ++depth;
        } else if (text[i] == '}') {
            if (--depth == 0) return i + 1;
        }
    }
    return text.size();
}

bool startsNumber(char c) { return (c >= '0' && c <= '9') || c == '-'; }

// One entry line: the key before the first "=", the value part up to the next
// "=" split at commas outside double quotes (the quotes stay in the pieces).
// The trimmed value part's first character decides the type; string pieces
// lose their first two and last characters (a space, a quote ... a quote).
TRCMEntry parseEntryLine(std::string_view line) {
    TRCMEntry entry;
    const size_t eq = line.find('=');
    entry._id = std::string(trimView(line.substr(0, eq)));
    std::string_view valuePart;
    if (eq != std::string_view::npos) {
        valuePart = line.substr(eq + 1);
        valuePart = valuePart.substr(0, valuePart.find('='));
    }
    const std::string_view trimmed = trimView(valuePart);
    entry._type = (!trimmed.empty() && startsNumber(trimmed[0])) ? entryTypeNumber : entryTypeString;

    size_t count = 1;
    bool quoted = false;
    for (const char c : valuePart) {
        if (c == '"') quoted = !quoted;
        else if (c == ',' && !quoted) ++count;
    }
    entry._value.reserve(count);
    auto add = [&entry](std::string_view piece) {
        if (entry._type == entryTypeString) {
            entry._value.push_back(cutCharacters(piece, 2, 1));
        } else {
            entry._value.emplace_back(piece);
        }
    };
    quoted = false;
    size_t start = 0;
    for (size_t k = 0; k < valuePart.size(); ++k) {
        const char c = valuePart[k];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            add(valuePart.substr(start, k - start));
            start = k + 1;
        }
    }
    add(valuePart.substr(start));
    return entry;
}

}  // namespace

struct TRCMFile::ReadState {
    bool depthReported = false;
};

std::vector<std::string> splitDataPath(const std::string& path) {
    return splitString(path, "::", "", "");
}

int TRCMFile::errorMsg(const std::string& message) const {
    reportDataProblem(message);
    return 0;
}

std::string TRCMFile::myTrim(const std::string& text) const {
    std::string out = trimText(text);
    for (char& c : out)
        if (c == '*') c = '0';
    return out;
}

int TRCMFile::Load(const std::string& path) {
    _path = path;
    _realPath = platform::absolutePath(path);
    _grupa = TRCMGroup();
    _txt.clear();
    const platform::PathKind kind = platform::pathKind(path);
    if (kind == platform::PathKind::NONE) {
        errorMsg("Nie znaleziono pliku : " + path);
        return 0;
    }
    std::string text;
    if (!platform::readTextFile(path, text) && kind == platform::PathKind::FILE) {
        errorMsg("Nie mozna odczytac pliku : " + path);
        return 0;
    }
    parseText(std::move(text));
    return 0;
}

int TRCMFile::parseText(std::string text) {
    _txt = std::move(text);
    _grupa = TRCMGroup();
    if (checkTxt() != 1) return 0;
    _grupa = readAll(_txt, "MAINGROUP");
    return 1;
}

int TRCMFile::loadFromBytes(const std::string& bytes) {
    return parseText(platform::decodeText(bytes));
}

int TRCMFile::checkTxt() {
    if (!_txt.empty() && _txt.back() == '}') _txt += '\n';
    return checkGroups();
}

int TRCMFile::checkGroups() {
    bool quoted = false;
    size_t opening = 0, closing = 0;
    for (const char c : _txt) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted) {
            if (c == '{') ++opening;
            else if (c == '}') ++closing;
        }
    }
    if (opening == closing) return 1;
    errorMsg("Blad nawiasow klamrowych! \"{\" - " + std::to_string(opening) + " \"}\" - " +
             std::to_string(closing));
    return 0;
}

TRCMGroup TRCMFile::readAll(const std::string& text, const std::string& name) {
    TRCMGroup group;
    group._id = name;
    ReadState state;
    size_t i = 0;
    readGroupBody(text, i, group, 0, state);
    return group;
}

// Reads the content of one group from text at i, in a single pass: on return
// i is just past the group's "}" or at the end of the text. A group whose "}"
// never comes takes the rest of the text. Sub-groups are read by recursion on
// the same text, so nothing is ever read twice.
void TRCMFile::readGroupBody(const std::string& text, size_t& i, TRCMGroup& group, int depth,
                             ReadState& state) {
    const size_t start = i;
    const size_t n = text.size();
    std::string gathered;  // text since the last completed entry or group, without line feeds
    bool hasEquals = false;
    while (i < n) {
        size_t j = i;
        while (j < n && !kSpecial[static_cast<unsigned char>(text[j])]) ++j;
        gathered.append(text, i, j - i);
        i = j;
        if (i >= n) break;
        const char c = text[i];
        if (c == '{') {
            std::string childName(trimView(gathered));
            gathered.clear();
            hasEquals = false;
            if (depth + 1 > kMaxGroupDepth) {
                if (!state.depthReported) {
                    state.depthReported = true;
                    errorMsg("Grupy zagniezdzone glebiej niz " + std::to_string(kMaxGroupDepth) +
                             " poziomy pominieto");
                }
                i = skipGroup(text, i);
                continue;
            }
            auto child = std::make_unique<TRCMGroup>();
            child->_id = std::move(childName);
            ++i;
            readGroupBody(text, i, *child, depth + 1, state);
            group._listaGrup.push_back(std::move(child));
        } else if (c == '}') {
            group._pos = static_cast<int>(i - start + 1);
            ++i;
            return;
        } else if (c == '\n') {
            if (hasEquals) {
                group._listaWpisow.push_back(std::make_unique<TRCMEntry>(parseEntryLine(trimView(gathered))));
                gathered.clear();
                hasEquals = false;
            }
            ++i;
        } else {  // '='
            gathered += '=';
            hasEquals = true;
            ++i;
        }
    }
}

TRCMEntry TRCMFile::readEntry(const std::string& line) const { return parseEntryLine(line); }

const TRCMGroup* TRCMFile::getGroup(const std::vector<std::string>& parts) const {
    const TRCMGroup* g = &_grupa;
    for (size_t k = 0; k + 1 < parts.size(); ++k) {
        g = g->getGroup(parts[k]);
        if (g == nullptr) return nullptr;
    }
    return g;
}

TRCMGroup* TRCMFile::getGroup(const std::vector<std::string>& parts) {
    return const_cast<TRCMGroup*>(static_cast<const TRCMFile*>(this)->getGroup(parts));
}

TRCMGroup* TRCMFile::getGroupSet(const std::vector<std::string>& parts) {
    if (parts.size() > static_cast<size_t>(kMaxGroupDepth) + 1) {
        errorMsg("Sciezka glebsza niz " + std::to_string(kMaxGroupDepth) + " grup pominieta");
        return nullptr;
    }
    TRCMGroup* g = &_grupa;
    for (size_t k = 0; k + 1 < parts.size(); ++k) {
        TRCMGroup* next = g->getGroup(parts[k]);
        if (next == nullptr) {
            auto created = std::make_unique<TRCMGroup>();
            created->_id = parts[k];
            next = created.get();
            g->_listaGrup.push_back(std::move(created));
        }
        g = next;
    }
    return g;
}

std::string TRCMFile::getString(const std::string& path, int index) const {
    const std::vector<std::string> parts = splitDataPath(path);
    if (parts.empty()) return std::string();
    const TRCMGroup* g = getGroup(parts);
    if (g == nullptr) return std::string();
    const TRCMEntry* e = g->getEntry(parts.back());
    if (e == nullptr || index < 0 || static_cast<size_t>(index) >= e->_value.size()) return std::string();
    return e->_value[static_cast<size_t>(index)];
}

float TRCMFile::getFloat(const std::string& path, int index, int show) const {
    const std::vector<std::string> parts = splitDataPath(path);
    if (parts.empty()) return 0.0f;
    const TRCMGroup* g = getGroup(parts);
    if (g == nullptr) return 0.0f;
    if (show != 0) g->showGroup("");
    const TRCMEntry* e = g->getEntry(parts.back());
    if (e == nullptr || index < 0 || static_cast<size_t>(index) >= e->_value.size()) return 0.0f;
    return static_cast<float>(parseDecimal(e->_value[static_cast<size_t>(index)]));
}

int TRCMFile::setString(const std::string& path, const std::string& value, int index) {
    const std::vector<std::string> parts = splitDataPath(path);
    if (parts.empty()) return 0;
    if (TRCMGroup* g = getGroupSet(parts)) g->setStringEntry(parts.back(), value, index);
    return 0;
}

int TRCMFile::setFloat(const std::string& path, float value, int index) {
    const std::vector<std::string> parts = splitDataPath(path);
    if (parts.empty()) return 0;
    if (TRCMGroup* g = getGroupSet(parts)) g->setFloatEntry(parts.back(), value, index);
    return 0;
}

int TRCMFile::printAll() const {
    _grupa.showGroup("");
    return 0;
}

std::string TRCMFile::saveText() const {
    std::string out;
    for (const auto& g : _grupa._listaGrup) g->saveTo(out, "");
    return out;
}

bool TRCMFile::saveChecked(const std::string& path, std::string* error) {
    const platform::WriteResult r = platform::writeTextFile(path, saveText());
    if (r.ok) return true;
    errorMsg("Nie mozna zapisac pliku : " + path + " (" + r.error + ")");
    if (error != nullptr) *error = r.error;
    return false;
}

int TRCMFile::save(const std::string& path) {
    return saveChecked(path, nullptr) ? 0 : -1;
}

std::unique_ptr<TRCMFile> newRCMFile() { return std::make_unique<TRCMFile>(); }

std::unique_ptr<TRCMFile> loadRCMFile(const std::string& path) {
    auto file = std::make_unique<TRCMFile>();
    file->Load(path);
    return file;
}
