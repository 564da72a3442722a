#include "gui/gui.h"

#include "app/reports.h"
#include "app/strings.h"
#include "gui/gui_readers.h"
#include "gui/gui_selector.h"
#include "gui/rgm_font.h"
#include "platform/files.h"

namespace guisound {
void (*click)() = nullptr;
void (*over)() = nullptr;
}  // namespace guisound

void TGui::clear() {
    _listaObiektow.clear();
    _clicked.clear();
    _over.clear();
}

void TGui::setGuiAlpha(float a) {
    for (const auto& o : _listaObiektow) {
        if (!o) continue;
        o->_alpha = a;
        o->_dAlpha = a;
    }
}

TGuiObject* TGui::getItem(const std::string& id) {
    for (const auto& o : _listaObiektow) {
        if (o && sameUpperCase(o->_id, id)) return o.get();
    }
    return nullptr;
}

void TGui::addItem(std::shared_ptr<TGuiObject> o) {
    if (o) _listaObiektow.push_back(std::move(o));
}

int TGui::clickedItem(const std::string& id) {
    // Nothing clicked answers 0 even for an empty id.
    if (_clicked.empty() || !sameUpperCase(_clicked, id)) return 0;
    if (guisound::click) guisound::click();
    return 1;
}

void TGui::update() {
    const std::string previousOver = _over;
    _clicked.clear();
    _over.clear();
    // An index walk over a snapshot of each entry: a widget's update may
    // change the list.
    for (size_t i = 0; i < _listaObiektow.size(); ++i) {
        std::shared_ptr<TGuiObject> obj = _listaObiektow[i];
        if (!obj) continue;
        obj->update(0.0f, 0.0f);
        if (auto* sel = dynamic_cast<TGuiSelector*>(obj.get())) {
            if (!sel->_clickedOp.empty()) _clicked = sel->_clickedOp;
            if (!sel->_overOp.empty()) _over = sel->_overOp;
            if (!_clicked.empty()) sel->_clean();
        } else {
            if (obj->_clicked) _clicked = obj->_id;
            if (obj->_over) _over = obj->_id;
        }
    }
    if (_over != previousOver && !_over.empty() && guisound::over) guisound::over();
}

void TGui::draw() {
    for (size_t i = 0; i < _listaObiektow.size(); ++i) {
        std::shared_ptr<TGuiObject> obj = _listaObiektow[i];
        if (obj && obj->_v) obj->draw(0.0f, 0.0f);
    }
}

void TGui::reload() { Load(_myPath); }

void TGui::Load(const std::string& path) {
    remPath = platform::absolutePath(platform::currentFolder());
    _myPath = platform::absolutePath(path);
    _listaObiektow.clear();
    std::string text;
    platform::readTextFile(_myPath, text);
    const std::vector<std::vector<std::string>> blocks = stworzListyTokenow(text);
    // Relative paths inside the file resolve against its folder; the
    // process's working folder is left alone.
    _loadingFolders.push_back(platform::folderPart(_myPath));
    for (const auto& tokens : blocks) {
        TGuiBlock block;
        if (!readGuiBlock(tokens, block)) continue;
        if (block.kind == "BAR") dodajObiektZlozony(block.kind, block.name, block.entries, block.declarations);
        else dodajObiekt(block.kind, block.name, block.entries);
    }
    _loadingFolders.pop_back();
}

std::shared_ptr<TSmallObject> TGui::_odbierzDeklaracje(const std::string& typ, const std::string& name,
                                                      const std::vector<std::string>& tokens) {
    // The declaration's body is read as the only declaration of a bar body;
    // a missing closing "}" is supplied.
    std::vector<std::string> all = {"BAR", "-", "{", typ, name, "{"};
    all.insert(all.end(), tokens.begin(), tokens.end());
    all.push_back("}");
    TGuiBlock block;
    readGuiBlock(all, block);
    if (!block.declarations.empty()) return block.declarations.front();
    auto empty = std::make_shared<TSmallObject>();
    empty->_typ = typ;
    empty->_name = name;
    return empty;
}

std::shared_ptr<TSimpleEntry> TGui::_createSimpleEntry(const std::string& key, const std::string& value) {
    return std::make_shared<TSimpleEntry>(key, value);
}

void TGui::dodajObiekt(const std::string& kind, const std::string& name, const GuiEntries& entries) {
    const std::string k = upperCase(kind);
    if (k == "BUTTON") addItem(readButtonBlock(name, entries, this));
    else if (k == "FONT") TRGMFont::createFromList(name, entries, this);
    else if (k == "THEME") readThemeBlock(name, entries, this);
    else if (k == "TEXT") addItem(readTextBlock(name, entries, this));
    else if (k == "ANIM") addItem(readAnimBlock(name, entries, this));
    else if (k == "WINDOW") addItem(readWindowBlock(name, entries, this));
    else if (k == "TEXTENTRY") addItem(readTextEntryBlock(name, entries, this));
    // Any other kind word disables its block without a report.
}

void TGui::dodajObiektZlozony(const std::string& kind, const std::string& name, const GuiEntries& entries,
                              const GuiDeclarations& declarations) {
    if (upperCase(kind) == "BAR") addItem(readBarBlock(name, entries, declarations, this));
}

std::vector<std::vector<std::string>> TGui::stworzListyTokenow(const std::string& text) {
    return ::stworzListyTokenow(text);
}

std::string TGui::currentBaseFolder() const {
    if (!_loadingFolders.empty()) return _loadingFolders.back();
    if (!_myPath.empty()) return platform::folderPart(_myPath);
    return platform::currentFolder();
}

void TGui::setItemState(const std::string& id, int visible, int active) {
    if (TGuiObject* o = find<TGuiObject>(id)) o->setState(visible, active);
}

void TGui::setItemVisible(const std::string& id, int visible) {
    if (TGuiObject* o = find<TGuiObject>(id)) o->_v = visible;
}

void TGui::reportMissing(const std::string& id, bool wrongType) {
    const std::string key = upperCase(id);
    if (!_reportedMissing.insert(key).second) return;
    showError(std::string(wrongType ? "GUI widget of another kind : " : "GUI widget not found : ") + id +
              " (" + _myPath + ")");
}

std::unique_ptr<TGui> loadGui(const std::string& path) {
    auto gui = std::make_unique<TGui>();
    if (platform::pathKind(path) == platform::PathKind::FILE) {
        gui->Load(path);
    } else {
        showError("Plik : " + platform::absolutePath(path) + " nie istenieje!");
    }
    return gui;
}
