#pragma once
// Half-lives as the sources write them ("30.0 a", "2.2m", "1.51E+6 y").
#include <optional>
#include <string>

namespace quorvel::data {

struct HalfLife {
    std::string Value;  // number as written
    std::string Unit;   // y, d, h, m, s, ms, us (a is written as y)
    double Seconds = 0;

    std::string Text() const { return Value + " " + Unit; }
};

// Reads "<number>[ ]<unit>"; nullopt when the text is not such a half-life.
std::optional<HalfLife> ParseHalfLife(const std::string& text);

// True when two half-lives are the same state as far as the differing data sets allow
// (they round and revise half-lives, but not by half).
bool SameHalfLife(double secondsA, double secondsB);

// How far apart two half-lives are (|log ratio|), to pick the nearest of several states.
double HalfLifeDistance(double secondsA, double secondsB);

}  // namespace quorvel::data
