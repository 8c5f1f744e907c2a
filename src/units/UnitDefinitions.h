#pragma once
// The definitions every unit factor of the program follows from: the unit tables of the
// database and the intake calculator derive theirs from these, and nothing else.

namespace quorvel::units {

inline constexpr double BecquerelsPerCurie = 3.7e10;
inline constexpr double SievertsPerRem = 0.01;
inline constexpr double SecondsPerMinute = 60.0;
inline constexpr double SecondsPerHour = 3600.0;
inline constexpr double SecondsPerDay = 24 * SecondsPerHour;
inline constexpr double DaysPerYear = 365.25;
inline constexpr double SecondsPerYear = DaysPerYear * SecondsPerDay;
// FGR-12's soil: 1.6 g/cm3, so a mass concentration per kg times this is one per m3.
inline constexpr double SoilKilogramsPerCubicMetre = 1.6e3;

inline constexpr double Kilo = 1e3, Mega = 1e6, Giga = 1e9;
inline constexpr double Milli = 1e-3, Micro = 1e-6, Nano = 1e-9, Pico = 1e-12;

inline constexpr double SquareMetresPerSquareCentimetre = 1e-4;
inline constexpr double KilogramsPerGram = 1e-3;

}  // namespace quorvel::units
