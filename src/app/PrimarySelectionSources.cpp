#include "CellSource.h"
#include "Database.h"
#include "frmPrimarySelectionForm.h"

namespace quorvel {

std::string frmPrimarySelectionForm::SourceOfShownCell(int row, int col) {
    if (!shownSources_) {
        // A database that cannot be read now simply shows no sources.
        try {
            auto database = OpenDatabase(databasePath_);
            shownSources_ = GridCellSources(*database, shownRequest_, ages_);
        } catch (const std::exception&) {
            shownSources_.emplace();
        }
    }
    const auto found = shownSources_->find({row, col});
    return found == shownSources_->end() ? std::string() : found->second;
}

}  // namespace quorvel
