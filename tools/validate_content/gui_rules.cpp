// What the GUI container needs from a definition file.
#include "validate_content/gui_rules.h"

#include <algorithm>
#include <set>

#include "app/strings.h"
#include "gui/gui_file.h"
#include "validate_content/content_paths_resolve.h"

namespace {

struct ButtonType {
    const char* name;
    bool image;        // drawn from GFX
    int cells;         // fixed cell count (0: none or from the scheme)
    bool directional;  // DIR "H" lays the cells side by side, anything else stacks them
};

const ButtonType kButtonTypes[] = {
    {"SIMPLE_BUTTON", true, 1, false},  {"ANIM_BUTTON", true, 0, true},
    {"BLEND_BUTTON", true, 2, true},    {"FSTEP_BUTTON", true, 4, false},
    {"FSTEP_BLEND_BUTTON", true, 4, false}, {"TEXT_BUTTON", false, 0, false},
    {"TEXT_SPEC_BUTTON1", false, 0, false},
};

const ButtonType* buttonType(const std::string& name) {
    for (const ButtonType& t : kButtonTypes)
        if (name == t.name) return &t;  // compared case-sensitively, as the game does
    return nullptr;
}

class GuiRule {
public:
    GuiRule(ContentValidator& v, const std::string& path, bool required)
        : v_(v), path_(path), folder_(contentFolderOf(path)), required_(required) {}

    void bad(const std::string& detail) { v_.malformed(path_, required_, detail); }
    void warn(const std::string& detail) { v_.warning(path_, detail); }

    void need(const GuiBlock& b, const char* key, const std::string& written, const Expectation& e) {
        v_.needWritten(path_, folder_, written, e, required_,
                       "named by " + path_ + " (" + b.kind + " " + b.name + " " + key + ")");
    }

    void picture(const GuiBlock& b, const std::string& gfx, int cells, bool across) {
        Expectation e = expect(image());
        if (cells > 1) (across ? e.cellsAcross : e.cellsDown) = cells;
        need(b, "GFX", gfx, e);
    }

    void textValue(const GuiBlock& b) {
        const std::string* txt = guiValue(b, "TXT");
        if (!txt) return;
        TextReference r = parseTextReference(*txt);
        if (!r.isReference) return;
        if (!r.wellFormed) {
            bad(b.kind + " " + b.name + ": TXT " + *txt + " is not [path|line]; the game shows the marker text");
        } else if (r.line < 1) {
            bad(b.kind + " " + b.name + ": TXT " + *txt + " names line " + std::to_string(r.line) +
                "; lines count from 1");
        } else {
            need(b, "TXT", r.path, expect(text(r.line)));
        }
    }

    void fontValue(const GuiBlock& b, const std::set<std::string>& fonts) {
        const std::string* font = guiValue(b, "FONT");
        if (font && !fonts.count(upperCase(*font)))
            bad(b.kind + " " + b.name + ": FONT " + *font + " is not declared by a FONT block above it");
    }

private:
    ContentValidator& v_;
    const std::string& path_;
    std::string folder_;
    bool required_;
};

void checkButton(GuiRule& g, const GuiBlock& b, const std::set<std::string>& fonts) {
    const std::string* typ = guiValue(b, "TYP");
    const std::string type = typ ? *typ : "SIMPLE_BUTTON";
    const ButtonType* t = buttonType(type);
    if (!t) {
        g.bad("BUTTON " + b.name + ": unknown TYP \"" + type + "\"; the game creates no button");
        return;
    }
    if (!t->image) {
        g.fontValue(b, fonts);
        g.textValue(b);
        return;
    }
    const std::string* gfx = guiValue(b, "GFX");
    if (!gfx) {
        g.bad("BUTTON " + b.name + " (" + type + ") has no GFX");
        return;
    }
    const std::string* dir = guiValue(b, "DIR");
    const bool across = !t->directional || !dir || *dir == "H";
    int cells = t->cells;
    if (type == "ANIM_BUTTON") {
        const std::string* scheme = guiValue(b, "SCHEMAT");
        std::vector<int> frames = scheme ? schemeFrames(*scheme) : std::vector<int>{};
        if (frames.empty()) {
            g.bad("BUTTON " + b.name + " (ANIM_BUTTON) has no frames in its SCHEMAT");
        } else {
            // Frames count from 1: the strip has as many cells as the highest one.
            cells = *std::max_element(frames.begin(), frames.end());
            if (*std::min_element(frames.begin(), frames.end()) < 1)
                g.bad("BUTTON " + b.name + ": ANIM_BUTTON frames count from 1");
        }
    }
    g.picture(b, *gfx, cells, across);
}

void checkAnim(GuiRule& g, const GuiBlock& b) {
    const std::string* gfx = guiValue(b, "GFX");
    if (!gfx) {
        g.bad("ANIM " + b.name + " has no GFX");
        return;
    }
    const std::string* scheme = guiValue(b, "SCHEMAT");
    std::vector<int> frames = scheme ? schemeFrames(*scheme) : std::vector<int>{};
    std::set<int> distinct(frames.begin(), frames.end());
    if (distinct.empty()) g.bad("ANIM " + b.name + " has no frames in its SCHEMAT");
    else if (*distinct.begin() < 0) g.bad("ANIM " + b.name + ": frame numbers count from 0");
    g.picture(b, *gfx, static_cast<int>(distinct.size()), true);
}

}  // namespace

void checkGuiDocument(ContentValidator& v, const std::string& path, const GuiDocument& doc,
                      const std::string& requiredIds, bool required) {
    GuiRule g(v, path, required);
    for (const std::string& p : doc.problems) g.bad(p);
    std::set<std::string> fonts, widgets;
    for (const GuiBlock& b : doc.blocks) {
        for (const std::string& p : b.problems) g.bad(b.kind + " " + b.name + ": " + p);
        if (!isGuiKind(b.kind)) {
            g.warn("block kind \"" + b.kind + "\" (" + b.name + ") is skipped by the game");
            continue;
        }
        if (b.kind == "FONT") {
            const std::string* url = guiValue(b, "URL");
            if (!url) g.bad("FONT " + b.name + " has no URL");
            else g.need(b, "URL", *url, expect(trueType()));
            fonts.insert(upperCase(b.name));
            continue;
        }
        if (b.kind == "THEME") {
            const std::string* url = guiValue(b, "URL");
            if (!url) g.bad("THEME " + b.name + " has no URL");
            else g.need(b, "URL", *url, expect(dataFile(), DataRole::Theme));
            continue;
        }
        widgets.insert(upperCase(b.name));
        if (b.kind == "BUTTON") checkButton(g, b, fonts);
        else if (b.kind == "ANIM") checkAnim(g, b);
        else if (b.kind == "TEXT" || b.kind == "TEXTENTRY" || b.kind == "BAR") {
            g.fontValue(b, fonts);
            g.textValue(b);
        }
    }
    for (const std::string& id : splitString(requiredIds, " ", "", "")) {
        if (id.empty()) continue;
        if (!widgets.count(upperCase(id))) g.bad("declares no widget \"" + id + "\", which its screen looks up");
    }
}
