#pragma once

#include <set>
#include <string>

// Every message the calculation can give.
inline const std::set<std::string> knownMessages{
    "Podaj parametr a funkcji",          "Parametr a musi być liczbą",
    "Parametr b musi być liczbą",        "Parametr c musi być liczbą",
    "Parametr a musi być różny od zera", "Parametr a jest poza zakresem liczb",
    "Parametr b jest poza zakresem liczb", "Parametr c jest poza zakresem liczb",
    "Wynik jest poza zakresem liczb"};
