// The clickable widget of every screen. One class covers seven button types
// (chosen by the TYP word of a BUTTON block): an image that swells under the
// mouse, an image strip played by named animations, a two-cell image that
// cross-fades to its hover cell, four-cell images showing normal, hover,
// pressed and inactive cells (directly or cross-faded), and two text types,
// one with a one-unit outline and one with a letter-by-letter swell wave.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gui/anim_data.h"
#include "gui/gui_object.h"
#include "platform/font.h"
#include "platform/image.h"

// Type codes of TButton::_typ.
enum ButtonType : int {
    SIMPLE_BUTTON = 0,
    ANIM_BUTTON = 1,
    BLEND_BUTTON = 2,
    FSTEP_BUTTON = 3,
    TEXT_BUTTON = 4,
    TEXT_SPEC_BUTTON1 = 5,
    FSTEP_BLEND_BUTTON = 6,
};

// The cells of the four-cell strips.
enum StepCell : int { STEP_NORMAL = 0, STEP_HOVER = 1, STEP_PRESSED = 2, STEP_INACTIVE = 3 };

class TButton : public TGuiObject {
public:
    // Strip direction: cells side by side or stacked.
    static constexpr int kSideBySide = 0;
    static constexpr int kStacked = 1;

    platform::ImageRef _image;  // image or strip
    platform::FontRef _font;    // text types; null = the default font
    int _typ = SIMPLE_BUTTON;
    int _dir = kSideBySide;
    std::optional<TRGB> outLine;  // outline colour of the text types; none = no outline
    TAnimData _animData;          // named animations of an ANIM_BUTTON
    int frames = 0;               // cells of the ANIM_BUTTON strip
    int aktAnim = 0, aktFrame = 0;  // row playing and position within it
    int _activeFlag = 0, _overFlag = 0, _unactiveFlag = 0;  // the scheme names them
    int _animNormal = 0, _animActive = 0, _animOver = 0, _animUnActive = 0;
    float _buttonAlpha = 1.0f, _dButtonAlpha = 1.0f;
    float _buttonScale = 1.0f, _dButtonScale = 1.0f;
    std::string _txt;
    std::vector<float> _textScale;  // per-character scale (TEXT_SPEC_BUTTON1), sized to the text
    float _chrN = 0.0f;             // position of the swell wave: character index plus fraction
    int _wykonano = 0;              // the playing animation has run through its row
    float _textWidth = 0.0f, _textHeight = 0.0f;  // size of "O" in the font
    float _bigText = 2.0f;                        // extra scale of the swelling letter
    float _old4StepB = 0.0f, _new4StepB = 0.0f;   // cell faded from and to
    float _oldAlpha = 1.0f, _newAlpha = 1.0f;

    // Creators. Each sets id, flags, kind code 0 and the type, and places the
    // button at (x, y). `dir` is kSideBySide or kStacked.
    static std::shared_ptr<TButton> createSimpleButton(const std::string& id, const std::string& path, float x,
                                                       float y, int visible, int active);
    static std::shared_ptr<TButton> createSimpleButton(const std::string& id, const platform::ImageRef& image,
                                                       float x, float y, int visible, int active);
    static std::shared_ptr<TButton> createAnimButton(const std::string& id, const std::string& path, float x,
                                                     float y, const std::string& scheme, int dir, int visible,
                                                     int active);
    static std::shared_ptr<TButton> createBlendButton(const std::string& id, const std::string& path, float x,
                                                      float y, int dir, int visible, int active);
    static std::shared_ptr<TButton> createStepButton(const std::string& id, const std::string& path, float x,
                                                     float y, int dir, int visible, int active);
    static std::shared_ptr<TButton> createStepBlendButton(const std::string& id, const std::string& path,
                                                          float x, float y, int dir, int visible, int active);
    // A missing colour, or one whose red is negative, is white; a missing
    // outline draws none.
    static std::shared_ptr<TButton> createTextButton(const std::string& id, const std::string& text,
                                                     const platform::FontRef& font, float x, float y,
                                                     std::optional<TRGB> colour, std::optional<TRGB> outline,
                                                     int visible, int active);
    static std::shared_ptr<TButton> createSpecTextButton(const std::string& id, const std::string& text,
                                                         const platform::FontRef& font, float x, float y,
                                                         std::optional<TRGB> colour, std::optional<TRGB> outline,
                                                         int visible, int active);

    // Frame duration of animation row `anim`.
    virtual void setDeltaTime(int anim, int ms);
    // Reads an ANIM_BUTTON scheme such as [NORMAL] 1 [OVER(80)] 2 3 4 3.
    virtual void interpretujSchemat(const std::string& scheme, int dir);
    void updateMe(float dx, float dy) override;
    // Eases the button's own scale and alpha (after every type's step).
    virtual void updateScaleAndAlpha();
    // Chooses the ANIM_BUTTON animation from the button's state.
    virtual void sprawdzAnimacje();
    // Advances the ANIM_BUTTON frame.
    virtual void animUpdate();
    // Starts the named animation from its first frame.
    virtual void playAnim(const std::string& name);
    void draw(float dx, float dy) override;
    // The TEXT_SPEC_BUTTON1 text, letter by letter with their scales.
    virtual void drawMyTextSpec(const std::string& text, float x, float y);
    void countDims() override;
    void countDims2() override;
    // The box of the image types (CountDims of the image types).
    void CountDims() { countDims(); }

    // The strip cell an ANIM_BUTTON shows now, or -1 when none.
    int animCell() const;
    // The cell a four-cell button shows for its state.
    int stepCell() const;

private:
    // Starts animation row `row` from its first frame.
    void playRow(int row);
    // Plays UNACTIVE when the button is inactive and the scheme names it.
    void playUnactiveWhenInactive();
    void updateSwellWave();
    void updateStepBlend();
    void drawImageCell(int cell, float x, float y) const;
    // A cell at the widget's own alpha and scale, without the button's swell.
    void drawUnswelledCell(int cell, float x, float y) const;
    void drawTextButton(float dx, float dy, bool letterByLetter);
    // The characters of a text, kept from the last call so the letter-by-letter
    // type does not split its text anew every frame.
    const std::vector<std::string>& charactersOf(const std::string& text);
    std::string _splitText;
    std::vector<std::string> _splitCharacters;
    // Applies what every creator sets.
    void place(const std::string& id, float x, float y, int typ, int visible, int active);
    // The strip types that fade in their cells: placed, strip loaded, own
    // alpha starting at 0.
    static std::shared_ptr<TButton> createFadingStrip(const std::string& id, const std::string& path, float x,
                                                      float y, int typ, int cells, int dir, int visible,
                                                      int active);
    // What both text types set: placed, text, font, colour (white when
    // missing) and outline; the box is left to the type.
    static std::shared_ptr<TButton> createTextType(const std::string& id, int typ, const std::string& text,
                                                   const platform::FontRef& font, float x, float y,
                                                   const std::optional<TRGB>& colour,
                                                   const std::optional<TRGB>& outline, int visible, int active);
    // Loads `path` as a strip of `cells` cells (stacked when dir is
    // kStacked), handle at the cell centre, box around (x, y).
    void loadCenteredStrip(const std::string& path, int cells, int dir);
};
