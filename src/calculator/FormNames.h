#pragma once
// The forms of a nuclide's table as a mixture row names them: the form's whole text or
// its beginning, or a short name: F, M, S or V (the inhalation type or class), HTO or OBT
// (the tritium compounds), or an f1 value ("f1=0.1", any of the form's f1 values).

#include <string>
#include <vector>

namespace quorvel {

// The forms the name picks, in their order; every form for an empty name.
std::vector<std::string> FormsNamed(const std::vector<std::string>& forms, const std::string& name);

// The shortest name that picks the form alone among the forms: a short name where one
// does, else the form's whole text.
std::string ShortFormName(const std::vector<std::string>& forms, const std::string& form);

}  // namespace quorvel
