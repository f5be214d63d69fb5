#pragma once

#include "core/dynaarray.h"

#include <cstdint>
#include <type_traits>

// Texts in records are owned, zero-terminated UTF-16 buffers made by CopyText, or null.
using TText = char16_t*;

struct TZutat {
    TText name;
    TText lieferant;
    TText zgruppe;
    TText preisproeinheit;
    TText einheit;
    double preis;
    double menge;
};

struct TRezept {
    TText name;
    double menge;
    TText bilddatei;
    int32_t gruppe;
    double vkbrutto;
    TText beschreibung;
    TDynaArray* verkaeufe; // of TVerkauf, owned
    TDynaArray* zutaten;   // of TRezeptZutat, owned
    bool zutatenrezeptur;
};

struct TRezeptZutat {
    int32_t zutatnr;
    double menge;
    double gewichtsverlust;
};

struct TVerkauf {
    uint16_t jahr;
    uint16_t monat;
    uint16_t tag;
    int32_t menge;
    double umsatznetto;
    double umsatzbrutto;
    double wareneinsatz;
    double wequote;
    double deckungsbeitrag;
};

// The container moves records byte-wise and creates them zero-filled.
static_assert(std::is_trivially_copyable_v<TZutat> && std::is_standard_layout_v<TZutat>);
static_assert(std::is_trivially_copyable_v<TRezept> && std::is_standard_layout_v<TRezept>);
static_assert(std::is_trivially_copyable_v<TRezeptZutat>);
static_assert(std::is_trivially_copyable_v<TVerkauf>);
