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

using F = Form1Controls;

// Creation order; no two visible controls overlap.
constexpr Control controls[] = {
    // slot               name              left   top  width height
    {&F::Command1, "Command1", {240, 5040, 3495, 375}, "Wyczyść wykres", 16, nullptr, Look::Button},
    {&F::Toolbar1, "Toolbar1", {0, 0, 8910, 420}, nullptr, 15, nullptr, Look::None},
    {&F::ImageList1, "ImageList1", {}, nullptr, -1, nullptr, Look::None},
    {&F::CmdWykres, "CmdWykres", {1920, 4080, 1815, 375}, "Pokaż na wykresie", 13, "Pokazuje miejsca zerowe na wykresie", Look::Button},
    {&F::CmdKoniec, "CmdKoniec", {1920, 4560, 1815, 375}, "Koniec", 9, "Kończy program", Look::Button},
    {&F::CmdNowaFunkcja, "CmdNowaFunkcja", {240, 4560, 1575, 375}, "Nowa funkcja", 8, "Czyści formularz z wprowadzonych danych", Look::Button},
    {&F::CmdOblicz, "CmdOblicz", {240, 4080, 1575, 375}, "Oblicz", 7, "Oblicza miejsca zerowe funkcji", Look::Button},
    {&F::TxtC, "TxtC", {2400, 2160, 735, 375}, "Text3", 6, "Podaj parametr c funkcji", Look::Entry},
    {&F::TxtB, "TxtB", {2400, 1680, 735, 375}, "Text2", 5, "Podaj parametr b funkcji", Look::Entry},
    {&F::TxtA, "TxtA", {2400, 1200, 735, 375}, "Text1", 4, "Podaj parametr a funkcji", Look::Entry},
    {&F::Timer1, "Timer1", {}, nullptr, -1, nullptr, Look::None},
    {&F::Label5, "Label5", {240, 5640, 3495, 495}, "Przyjemnej pracy !", 17, nullptr, Look::Greeting},
    {&F::Label4, "Label4", {3840, 1200, 4815, 4935}, "Wykres funkcji", 14, nullptr, Look::ChartBox},
    {&F::LblX2, "LblX2", {240, 3600, 3495, 375}, "Label4", 12, nullptr, Look::Result},
    {&F::LblX1, "LblX1", {240, 3120, 3495, 375}, "Label4", 11, nullptr, Look::Result},
    {&F::LblDelta, "LblDelta", {240, 2640, 3495, 375}, "Label4", 10, nullptr, Look::Result},
    {&F::Label3, "Label3", {240, 2160, 2055, 375}, "Podaj parametr c ", 3, nullptr, Look::Prompt},
    {&F::Label2, "Label2", {240, 1680, 2055, 375}, "Podaj parametr b", 2, nullptr, Look::Prompt},
    {&F::Label1, "Label1", {240, 1200, 2055, 375}, "Podaj parametr a", 1, nullptr, Look::Prompt},
    {&F::LblNapis, "LblNapis", {240, 600, 8415, 375}, "Label1", 0, nullptr, Look::Banner},
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
    {&F::mnuPlik, "mnuPlik", "Plik"},
    {&F::mnuNowafunkcja, "mnuNowafunkcja", "Nowa funkcja"},
    {&F::mnuOblicz, "mnuOblicz", "Oblicz"},
    {&F::mnuseparator, "mnuseparator", "-"},
    {&F::mnuKoniec, "mnuKoniec", "Koniec"},
    {&F::mnuWykres, "mnuWykres", "Wykres"},
    {&F::mnuPokaż, "mnuPokaż", "Pokaż na wykresie"},
    {&F::mnuWyczyść, "mnuWyczyść", "Wyczyść wykres"},
};

// In index order, from the left; each shows its image of the image list.
constexpr ToolbarButton toolbarButtons[] = {
    {"oblicz", "Oblicz", 1},
    {"nowa", "Nowa funkcja", 2},
    {"wykres", "Pokaż miejsca zerowe na wykresie", 3},
    {"koniec", "Zakończ program", 4},
    {"wyczyść", "Wyczyść wykres", 5},
};

constexpr const char* images[] = {
    "oblicz", "nowa", "wykres", "koniec", "wyczysc",
};

constexpr Caption entryCaptions[] = {
    {&F::Label1, &F::TxtA},
    {&F::Label2, &F::TxtB},
    {&F::Label3, &F::TxtC},
};

}  // namespace

const WindowSettings& Window() { return window; }
std::span<const Control> Controls() { return controls; }
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
