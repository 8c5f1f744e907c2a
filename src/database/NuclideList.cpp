#include "NuclideList.h"

#include "NumberText.h"

namespace quorvel {

namespace {

std::string PadRight(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

std::string PadLeft(std::string text, std::size_t width) {
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

}  // namespace

std::string FormatNuclideListEntry(const std::string& z, const std::string& element, const std::string& nuclide,
                                   const std::string& halfLife, const std::string& intExt) {
    const std::string gap = "   ";
    return PadLeft(z, 3) + gap + PadRight(element, 13) + gap + PadRight(nuclide, 9) + gap + PadRight(halfLife, 10) +
           gap + PadRight(intExt, 4);
}

std::string EntryNuclide(const std::string& entry) {
    if (entry.size() <= 22) return {};
    return TrimBlanks(std::string_view(entry).substr(22, 10));
}

std::vector<std::string> ReadNuclideListEntries(Recordset& nuclides) {
    std::vector<std::string> entries;
    nuclides.MoveFirst();
    while (!nuclides.IsEOF()) {
        entries.push_back(FormatNuclideListEntry(
            TrimBlanks(nuclides.Field("Z").Text()), TrimBlanks(nuclides.Field("Element").Text()),
            TrimBlanks(nuclides.Field("Nuclide").Text()), TrimBlanks(nuclides.Field("T1/2").Text()),
            TrimBlanks(nuclides.Field("Int/Ext").Text())));
        nuclides.MoveNext();
    }
    return entries;
}

}  // namespace quorvel
