#pragma once
// Picking one of a quantity's choices (an age, a descriptor, an intake) from what a user typed.

#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// The choices the text names, compared without regard to case: the one it spells whole,
// else every one it begins. None, or more than one, leaves the choice to the user.
std::vector<std::string> MatchChoice(const std::vector<std::string>& choices, std::string_view text);

}  // namespace quorvel
