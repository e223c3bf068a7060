#pragma once

// The roughness (mm) and viscosity (10^-6 m²/s) presets that both pipe
// windows offer on their option buttons Option1 to Option11.
struct RohrVorgabe {
    const char* option;
    bool rauigkeit; // true: into the roughness box, false: into the viscosity box
    double wert;
};

inline constexpr RohrVorgabe rohrVorgaben[] = {
    {"Option1", true, 1.5}, {"Option2", true, 0.75},  {"Option3", true, 0.5},   {"Option4", true, 0.25},
    {"Option5", true, 0.1}, {"Option6", false, 1.31}, {"Option7", false, 1.01}, {"Option8", false, 0.8},
    {"Option9", false, 50}, {"Option10", false, 88},  {"Option11", false, 150},
};
