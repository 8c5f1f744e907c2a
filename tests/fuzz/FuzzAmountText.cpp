// An amount and its unit as a mixture row types them (up to the first line end the number,
// the rest the unit), in every unit list of the calculator: a QuantityError, or a quantity
// that is finite and above zero and prints in every dose unit. The whole text as a limit's
// target: a LimitError, or a dose finite and above zero, or a risk above zero and at most 1.
#include <cmath>
#include <cstdlib>

#include "IntakeCalculation.h"
#include "LimitTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto split = text.find('\n');
    const std::string unit = split == std::string::npos ? "Bq" : text.substr(split + 1);
    for (const auto* units :
         {&quorvel::ActivityUnits(), &quorvel::ConcentrationUnits(quorvel::ExternalGeometry::Submersion),
          &quorvel::ConcentrationUnits(quorvel::ExternalGeometry::GroundPlane),
          &quorvel::ConcentrationUnits(quorvel::ExternalGeometry::SoilVolume), &quorvel::TimeUnits()}) {
        try {
            const double value = quorvel::ReadQuantity(text.substr(0, split), unit, *units, "amount");
            if (!std::isfinite(value) || !(value > 0)) std::abort();
            for (const auto& dose : quorvel::DoseUnits()) quorvel::FormatDoseIn(value, dose);
        } catch (const quorvel::QuantityError&) {}
    }
    try {
        const quorvel::LimitTarget target = quorvel::ReadTarget(text);
        const bool risk = target.Kind == quorvel::TargetKind::Risk;
        if (!std::isfinite(target.Value) || !(target.Value > 0) || (risk && target.Value > 1) || target.Text.empty())
            std::abort();
    } catch (const quorvel::LimitError&) {}
    return 0;
}
