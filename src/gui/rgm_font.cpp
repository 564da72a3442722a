#include "gui/rgm_font.h"

#include "app/numbers.h"
#include "app/reports.h"
#include "app/strings.h"
#include "gui/gui.h"

std::vector<std::shared_ptr<TRGMFont>> globalFonts;

TRGMFont* TRGMFont::getByID(const std::string& id, TGui* gui) {
    const std::vector<std::shared_ptr<TRGMFont>>& fonts = gui ? gui->_fonts : globalFonts;
    for (const auto& f : fonts) {
        if (f && sameUpperCase(f->_id, id)) return f.get();
    }
    return nullptr;
}

void TRGMFont::createFromList(const std::string& name, const GuiEntries& entries, TGui* gui) {
    const std::string base = gui ? gui->currentBaseFolder() : std::string();
    int size = 12;
    std::string path;
    for (const TSimpleEntry& e : entries) {
        const std::string key = upperCase(e._typ);
        if (key == "SIZE") {
            size = parseGuiInt(e._value);
        } else if (key == "URL") {
            path = guiPath(e._value, base);
            if (!platform::loadFont(path, 12, platform::FONT_SMOOTH)) {
                showError("Nie moge znalezc czcionki : " + e._value);
                path.clear();
            }
        }
    }
    if (path.empty()) {
        showError("Nie podano scierzki do czcionki.");
        return;
    }
    auto font = std::make_shared<TRGMFont>();
    font->_font = platform::loadFont(path, size, platform::FONT_SMOOTH);
    font->_id = name;
    if (gui) gui->_fonts.push_back(font);
    else globalFonts.push_back(font);
}

TRGMFont* guiFontValue(const std::string& id, TGui* gui, const std::string& report) {
    if (TRGMFont* f = TRGMFont::getByID(id, gui)) return f;
    showError("Nie znaleziono czcionki : " + report);
    return nullptr;
}
