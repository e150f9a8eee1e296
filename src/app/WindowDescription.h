#pragma once

#include <optional>
#include <span>
#include <variant>

#include "app/Form1Controls.h"
#include "chart/Rgb.h"

// The main window as designed: every control by name with its place in
// twips (1440 to the logical inch, 15 to a pixel at 96 DPI), measured from
// the top-left corner of the client area, which lies under the menu bar and
// holds the toolbar along its top edge.
namespace app::design {

using chart::Rgb;

struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// How a control looks; the looks table says what each means.
enum class Look { None, Button, Entry, Banner, Prompt, Result, ChartBox, Greeting };

// Where the builder keeps a control; its type says what kind of control it is.
using ControlSlot =
    std::variant<QPushButton* Form1Controls::*, QToolBar* Form1Controls::*,
                 ImageList* Form1Controls::*, EntryBox* Form1Controls::*,
                 TaggedTimer* Form1Controls::*, QLabel* Form1Controls::*,
                 ResultLine* Form1Controls::*>;

struct Control {
    ControlSlot slot;
    const char* name;
    Twips place;
    const char* text;  // caption, or the text a box starts with
    int tabIndex;      // -1: no place in the tab order
    const char* toolTip;
    Look look;
};

enum class FontId { F1, F2, F3, F4 };

// The designed faces are not on Linux; these carry the Polish letters at the
// same sizes, in sans-serif and serif.
struct Font {
    FontId id;
    const char* faces[2];
    double points;
    bool italic;  // every font is bold
};

enum class Fill { Standard, Transparent, Colour };

struct LookStyle {
    Look look;
    Fill fill;
    Rgb background;  // with Fill::Colour
    std::optional<Rgb> textColour;
    FontId font;
    bool sunkenBorder;
};

// A title on the menu bar, or an item of the last title above it; the
// caption "-" makes an item a separator line.
struct MenuEntry {
    std::variant<QMenu* Form1Controls::*, QAction* Form1Controls::*> slot;
    const char* name;
    const char* caption;
};

struct ToolbarButton {
    const char* key;
    const char* toolTip;
    int image;  // index into the image list
};

struct WindowSettings {
    const char* title;
    int clientWidth;  // twips
    int clientHeight;
    Rgb background;
    int toolbarButtonWidth;  // twips
    int toolbarButtonHeight;
    int timerInterval;  // milliseconds
    const char* timerTag;
};

const WindowSettings& Window();
std::span<const Control> Controls();  // in creation order
std::span<const MenuEntry> Menus();
std::span<const ToolbarButton> ToolbarButtons();
std::span<const char* const> Images();  // picture names, image 1 first

// Which label captions which entry box, for screen readers.
struct Caption {
    QLabel* Form1Controls::* label;
    EntryBox* Form1Controls::* box;
};
std::span<const Caption> EntryCaptions();

const Font& FontOf(FontId id);
const LookStyle& StyleOf(Look look);

// Twips to device-independent pixels at the given logical DPI.
int TwipsToPixels(int twips, double dpi);

}  // namespace app::design
