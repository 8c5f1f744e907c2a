#include "DefaultQuantity.h"

#include "CaseFolding.h"

namespace quorvel {

std::string DefaultAge(const TableKind& kind, const std::vector<std::string>& ages) {
    if (ages.empty()) return {};
    for (const auto& age : ages)
        if (kind.IsDose() ? FoldCase(age) == "adult" : FoldCase(age).starts_with("lifetime")) return age;
    return kind.IsDose() ? ages.back() : ages.front();
}

std::string DefaultDescriptor(const TableKind& kind, const std::vector<std::string>& descriptors) {
    std::string chosen = descriptors.empty() ? std::string() : descriptors.front();
    for (const auto& descriptor : descriptors)
        if (kind.IsDose() ? FoldCase(descriptor).starts_with("effective") : FoldCase(descriptor) == "total")
            chosen = descriptor;
    return chosen;
}

Quantity DefaultQuantity(const TableKind& kind, const QuantityChoices& choices) {
    Quantity quantity;
    quantity.Kind = kind;
    quantity.Age = DefaultAge(kind, choices.Ages);
    // The first intake of the ingestion risk table is tap water.
    quantity.Intake = choices.Intakes.empty() ? std::string() : choices.Intakes.front();
    quantity.Descriptor = DefaultDescriptor(kind, choices.Descriptors);
    return quantity;
}

}  // namespace quorvel
