// Game texts: numbered lines of the files under "txt/".
#include "app/texts.h"

#include "app/content_paths.h"
#include "app/numbers.h"
#include "app/strings.h"
#include "platform/files.h"
#include "platform/system.h"

std::string popupTextName;
std::string popupTextLine2;
std::string popupTextDelete;

TTxtFile loadTxtFile(const std::string& path) {
    TTxtFile file;
    std::string text;
    platform::readTextFile(path, text);  // a missing file leaves text empty
    size_t start = 0;
    while (start < text.size()) {
        const size_t lf = text.find('\n', start);
        if (lf == std::string::npos) {
            file.txt.push_back(text.substr(start));
            break;
        }
        file.txt.push_back(text.substr(start, lf - start));
        start = lf + 1;
    }
    return file;
}

std::string txtLine(const TTxtFile& file, int n) {
    if (n < 1 || n > file.lines()) return kBeyondTextMarker;
    return file.txt[static_cast<size_t>(n - 1)];
}

std::string resolveTextReference(const std::string& value) {
    const std::string bare = stripQuotes(value);
    if (bare.size() <= 1 || bare.front() != '[' || bare.back() != ']') return value;
    const std::vector<std::string> pieces = splitString(bare.substr(1, bare.size() - 2), "|", "", "");
    if (pieces.size() < 2) return kBeyondTextMarker;
    return txtLine(loadTxtFile(pieces[0]), parseGuiInt(pieces[1]));
}

void Teksty::setup() {
    const TTxtFile file = loadTxtFile(contentpath::kPopupTexts);
    popupTextName = txtLine(file, 1);
    popupTextLine2 = txtLine(file, 2);
    popupTextDelete = txtLine(file, 3);
    platform::printLine("USUNIECIE : " + popupTextDelete);
}
