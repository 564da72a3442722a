// A screen's widget container: the fonts, themes and widgets of one GUI
// definition file (gui_file.h), updated against the mouse and drawn in file
// order each frame. Screens look widgets up by id and poll it for clicks.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "gui/gui_file.h"
#include "gui/gui_object.h"
#include "gui/theme.h"

class TRGMFont;

// The sounds of the container: a click answered by clickedItem and a new
// widget under the mouse. The sound manager sets them; unset, nothing plays.
namespace guisound {
extern void (*click)();
extern void (*over)();
}  // namespace guisound

class TGui {
public:
    TGui() { clear(); }
    virtual ~TGui() = default;

    std::vector<std::shared_ptr<TRGMFont>> _fonts;  // FONT blocks; first match wins
    ThemeList _themes;                              // THEME blocks
    std::vector<std::shared_ptr<TGuiObject>> _listaObiektow;  // update and draw order
    std::string _clicked;  // id clicked in the last update ("" when none)
    std::string _over;     // id under the mouse in the last update
    ThemeRef _theme;       // kept with the container, not used by it
    std::string _url;
    std::string _myPath;   // absolute path of the file last loaded
    std::string remPath;   // working folder when loading began

    // Empties the widget list and both ids; fonts and themes stay.
    virtual void clear();
    // Alpha and target alpha of every widget.
    virtual void setGuiAlpha(float a);
    // The first widget whose id equals id, both upper-cased; null when none.
    virtual TGuiObject* getItem(const std::string& id);
    // Appends a widget (a null is not kept: every walk may rely on widgets).
    virtual void addItem(std::shared_ptr<TGuiObject> o);
    // 1 (and the click sound) when the widget clicked in the last update has
    // this id, compared upper-cased; otherwise 0.
    virtual int clickedItem(const std::string& id);
    // The per-frame step: every widget's update, then the clicked and hovered
    // ids; the over sound when a new id comes under the mouse.
    virtual void update();
    // Draws the visible widgets in list order.
    virtual void draw();
    // Loads _myPath again: widgets are rebuilt, fonts and themes accumulate.
    virtual void reload();
    // Reads a definition file: its widgets replace the list; fonts and themes
    // are added. Relative paths inside it resolve against its folder.
    virtual void Load(const std::string& path);

    // Steps of Load.
    virtual std::shared_ptr<TSmallObject> _odbierzDeklaracje(const std::string& typ, const std::string& name,
                                                            const std::vector<std::string>& tokens);
    virtual std::shared_ptr<TSimpleEntry> _createSimpleEntry(const std::string& key, const std::string& value);
    virtual void dodajObiekt(const std::string& kind, const std::string& name, const GuiEntries& entries);
    virtual void dodajObiektZlozony(const std::string& kind, const std::string& name, const GuiEntries& entries,
                                    const GuiDeclarations& declarations);
    virtual std::vector<std::vector<std::string>> stworzListyTokenow(const std::string& text);

    // The folder relative paths of the file being read resolve against: the
    // folder of the file being loaded, else of _myPath, else the working folder.
    std::string currentBaseFolder() const;

    // The widget with that id as a T, or null. A missing id (or a widget of
    // another type) is reported once per container and id, so screens can
    // look widgets up every frame and simply skip what is not there.
    template <class T>
    T* find(const std::string& id) {
        TGuiObject* o = getItem(id);
        T* typed = dynamic_cast<T*>(o);
        if (!typed) reportMissing(id, o != nullptr);
        return typed;
    }
    // Null-safe shortcuts for what screens do with widgets by id.
    void setItemState(const std::string& id, int visible, int active);
    void setItemVisible(const std::string& id, int visible);

private:
    void reportMissing(const std::string& id, bool wrongType);
    std::vector<std::string> _loadingFolders;  // folders of the files being loaded
    std::set<std::string> _reportedMissing;
};

// A container for the file at path; a missing file is reported as "Plik : " +
// absolute path + " nie istenieje!" and gives the empty container.
std::unique_ptr<TGui> loadGui(const std::string& path);
