#include "app/WindowDescription.h"

#include <cmath>

namespace app::design {

namespace {

constexpr Rgb lavender{192, 192, 255};
constexpr Rgb darkRed{192, 0, 0};
constexpr Rgb lightOrange{255, 192, 128};
constexpr Rgb darkBlue{0, 0, 192};
constexpr Rgb teal{0, 128, 128};
constexpr Rgb periwinkle{128, 128, 255};
constexpr Rgb yellow{255, 255, 0};
constexpr Rgb reddishBrown{128, 64, 64};

constexpr WindowSettings window{
    "Funkcja  kwadratowa", 8910, 6285, lavender, 345, 330, 500,
    "     Program wyznacza miejsca zerowe funkcji kwadratowej     ",
};

// Creation order; no two visible controls overlap.
constexpr Control controls[] = {
    // order name              kind                 left   top  width height
    {1, "Command1", Kind::CommandButton, {240, 5040, 3495, 375}, "Wyczyść wykres", 16, nullptr, Look::Button},
    {2, "Toolbar1", Kind::Toolbar, {0, 0, 8910, 420}, nullptr, 15, nullptr, Look::None},
    {3, "ImageList1", Kind::ImageList, {}, nullptr, -1, nullptr, Look::None},
    {4, "CmdWykres", Kind::CommandButton, {1920, 4080, 1815, 375}, "Pokaż na wykresie", 13, "Pokazuje miejsca zerowe na wykresie", Look::Button},
    {5, "CmdKoniec", Kind::CommandButton, {1920, 4560, 1815, 375}, "Koniec", 9, "Kończy program", Look::Button},
    {6, "CmdNowaFunkcja", Kind::CommandButton, {240, 4560, 1575, 375}, "Nowa funkcja", 8, "Czyści formularz z wprowadzonych danych", Look::Button},
    {7, "CmdOblicz", Kind::CommandButton, {240, 4080, 1575, 375}, "Oblicz", 7, "Oblicza miejsca zerowe funkcji", Look::Button},
    {8, "TxtC", Kind::TextBox, {2400, 2160, 735, 375}, "Text3", 6, "Podaj parametr c funkcji", Look::Entry},
    {9, "TxtB", Kind::TextBox, {2400, 1680, 735, 375}, "Text2", 5, "Podaj parametr b funkcji", Look::Entry},
    {10, "TxtA", Kind::TextBox, {2400, 1200, 735, 375}, "Text1", 4, "Podaj parametr a funkcji", Look::Entry},
    {11, "Timer1", Kind::Timer, {}, nullptr, -1, nullptr, Look::None},
    {12, "Label5", Kind::Label, {240, 5640, 3495, 495}, "Przyjemnej pracy !", 17, nullptr, Look::Greeting},
    {13, "Label4", Kind::Label, {3840, 1200, 4815, 4935}, "Wykres funkcji", 14, nullptr, Look::ChartBox},
    {14, "LblX2", Kind::Label, {240, 3600, 3495, 375}, "Label4", 12, nullptr, Look::Result},
    {15, "LblX1", Kind::Label, {240, 3120, 3495, 375}, "Label4", 11, nullptr, Look::Result},
    {16, "LblDelta", Kind::Label, {240, 2640, 3495, 375}, "Label4", 10, nullptr, Look::Result},
    {17, "Label3", Kind::Label, {240, 2160, 2055, 375}, "Podaj parametr c ", 3, nullptr, Look::Prompt},
    {18, "Label2", Kind::Label, {240, 1680, 2055, 375}, "Podaj parametr b", 2, nullptr, Look::Prompt},
    {19, "Label1", Kind::Label, {240, 1200, 2055, 375}, "Podaj parametr a", 1, nullptr, Look::Prompt},
    {20, "LblNapis", Kind::Label, {240, 600, 8415, 375}, "Label1", 0, nullptr, Look::Banner},
};

constexpr Font fonts[] = {
    {FontId::F1, {"Liberation Sans", "DejaVu Sans"}, 8.25, false},
    {FontId::F2, {"Liberation Sans", "DejaVu Sans"}, 9.75, false},
    {FontId::F3, {"Liberation Sans", "DejaVu Sans"}, 12, false},
    {FontId::F4, {"Liberation Serif", "DejaVu Serif"}, 15.75, true},
};

constexpr LookStyle looks[] = {
    // look          fill               background      text        font        sunken
    {Look::Button, Fill::Standard, {}, std::nullopt, FontId::F1, false},
    {Look::Entry, Fill::Standard, {}, darkRed, FontId::F3, true},
    {Look::Banner, Fill::Colour, lightOrange, darkBlue, FontId::F3, true},
    {Look::Prompt, Fill::Colour, teal, std::nullopt, FontId::F2, true},
    {Look::Result, Fill::Colour, periwinkle, yellow, FontId::F2, true},
    {Look::ChartBox, Fill::Colour, reddishBrown, chart::Red, FontId::F1, true},
    {Look::Greeting, Fill::Transparent, {}, yellow, FontId::F4, false},
};

constexpr MenuEntry menus[] = {
    {nullptr, "mnuPlik", "Plik", MenuKind::Title},
    {"mnuPlik", "mnuNowafunkcja", "Nowa funkcja", MenuKind::Command},
    {"mnuPlik", "mnuOblicz", "Oblicz", MenuKind::Command},
    {"mnuPlik", "mnuseparator", "-", MenuKind::Separator},
    {"mnuPlik", "mnuKoniec", "Koniec", MenuKind::Command},
    {nullptr, "mnuWykres", "Wykres", MenuKind::Title},
    {"mnuWykres", "mnuPokaż", "Pokaż na wykresie", MenuKind::Command},
    {"mnuWykres", "mnuWyczyść", "Wyczyść wykres", MenuKind::Command},
};

constexpr ToolbarButton toolbarButtons[] = {
    {1, "oblicz", "Oblicz", 1},
    {2, "nowa", "Nowa funkcja", 2},
    {3, "wykres", "Pokaż miejsca zerowe na wykresie", 3},
    {4, "koniec", "Zakończ program", 4},
    {5, "wyczyść", "Wyczyść wykres", 5},
};

constexpr const char* images[] = {
    "oblicz", "nowa", "wykres", "koniec", "wyczysc",
};

constexpr Caption entryCaptions[] = {
    {"Label1", "TxtA"},
    {"Label2", "TxtB"},
    {"Label3", "TxtC"},
};

}  // namespace

const WindowSettings& Window() { return window; }
std::span<const Control> Controls() { return controls; }
std::span<const Font> Fonts() { return fonts; }
std::span<const LookStyle> Looks() { return looks; }
std::span<const MenuEntry> Menus() { return menus; }
std::span<const ToolbarButton> ToolbarButtons() { return toolbarButtons; }
std::span<const char* const> Images() { return images; }
std::span<const Caption> EntryCaptions() { return entryCaptions; }

const Font& FontOf(FontId id) {
    for (const Font& font : fonts) {
        if (font.id == id) return font;
    }
    return fonts[0];
}

const LookStyle& StyleOf(Look look) {
    for (const LookStyle& style : looks) {
        if (style.look == look) return style;
    }
    return looks[0];
}

int TwipsToPixels(int twips, double dpi) { return int(std::lround(twips * dpi / 1440.0)); }

}  // namespace app::design
