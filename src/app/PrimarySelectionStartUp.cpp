// Start-up, the settings file and shutdown of the main window.
#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <filesystem>

#include "Database.h"
#include "FormCentring.h"
#include "HelpWindow.h"
#include "NuclideList.h"
#include "ResultGridView.h"
#include "WindowPlacement.h"
#include "frmPrimarySelectionForm.h"
#include "frmSplash.h"

namespace quorvel {

bool frmPrimarySelectionForm::Load() {
    splash_ = new frmSplash(this);
    splash_->show();
    CenterTheForm(*splash_);
    splash_->repaint();
    QCoreApplication::processEvents();

    printPaperStyle_ = 2;
    gridCopyPaste_.SetMSFlexGrid(grid_);
    CenterTheForm(*this);
    databasePath_ = services_.ApplicationDirectory + "/DoseAndRisk.mdb";
    const bool initialized = InitializeParameters();
    if (initialized) {
        Apply();
        ChangeTheGridBackGround(true);
    }
    splash_->hide();
    return initialized;
}

bool frmPrimarySelectionForm::InitializeParameters() {
    riskUnitTableName_ = "Risk Units";
    doseUnitTableName_ = "Dose Units";
    bool listBuilt = false;
    try {
        {
            auto database = OpenDatabase(databasePath_);
            ages_ = ReadAgeUnits(*database);
            Recordset nuclides = database->OpenTable("Nuke2");
            listBuilt = SetUpListOfNuclides(nuclides);
            grid_.Clear();
        }
        units_ = ReadUnitTables(databasePath_, riskUnitTableName_, doseUnitTableName_);
    } catch (const std::exception& e) {
        services_.Prompt.ShowMessage(std::string("An error (") + e.what() +
                                     ") has occured while initializing the parameters.  The code will now be terminated.");
        services_.End.EndProcess(1);
        return false;
    }

    // From here on a failing step is passed over.
    savedDoseUnit_.fill(0);
    savedRiskUnit_.fill(0);
    ReadUserIni();
    SetupTheUnitParameters();
    if (!listBuilt) {
        services_.Prompt.ShowMessage("Terminating code.");
        services_.End.EndProcess(1);
        return false;
    }
    return true;
}

bool frmPrimarySelectionForm::SetUpListOfNuclides(Recordset& nuclides) {
    try {
        entries_ = ReadNuclideListEntries(nuclides);
        for (const std::string& entry : entries_) lstNuclides_->addItem(QString::fromStdString(entry));
        if (entries_.empty()) throw std::runtime_error("No current record.");
        txtSelectedNuclide_->setText(QString::fromStdString(EntryNuclide(entries_.front())));
        return true;
    } catch (const std::exception& e) {
        services_.Prompt.ShowMessage(std::string("An error (") + e.what() +
                                     ") has occured while setting the list of radionuclides.");
        return false;
    }
}

std::string frmPrimarySelectionForm::UserIniPath() const {
    return ChooseUserIniPath(services_.ApplicationDirectory, services_.FolderWritable);
}

void frmPrimarySelectionForm::ReadUserIni() {
    const auto settings = ReadUserSettings(UserIniPath());
    if (!settings) {
        setWindowState(Qt::WindowMaximized);
        return;
    }
    chkCompactDatabase_->setChecked(settings->CompactDatabase == 1);
    for (std::size_t category = 1; category <= 4; ++category) {
        savedDoseUnit_[category] = settings->SavedDoseUnit[category];
        savedRiskUnit_[category] = settings->SavedRiskUnit[category];
    }
    PlaceWindow(*settings);
}

void frmPrimarySelectionForm::PlaceWindow(const UserSettings& settings) {
    const StoredPlacement placement = PlacementFromSettings(settings);
    if (placement.Maximized) {
        setWindowState(Qt::WindowMaximized);
        return;
    }
    setWindowState(Qt::WindowNoState);
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    WindowRect window{static_cast<double>(TwipsToPixels(placement.Geometry.Left, dpiX)),
                      static_cast<double>(TwipsToPixels(placement.Geometry.Top, dpiY)),
                      static_cast<double>(TwipsToPixels(placement.Geometry.Width, dpiX)),
                      static_cast<double>(TwipsToPixels(placement.Geometry.Height, dpiY))};
    std::vector<WindowRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        screens.push_back({static_cast<double>(area.left()), static_cast<double>(area.top()),
                           static_cast<double>(area.width()), static_cast<double>(area.height())});
    }
    window = BringOntoNearestScreen(window, screens);
    resize(static_cast<int>(window.Width), static_cast<int>(window.Height));
    move(static_cast<int>(window.Left), static_cast<int>(window.Top));
}

UserSettings frmPrimarySelectionForm::CurrentSettings() const {
    UserSettings settings;
    settings.WindowState = isMinimized() ? 1 : isMaximized() ? 2 : 0;
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    // The window's own size (without the desktop's frame) and its position, so that the
    // next start restores exactly this.
    settings.WindowHeight = PixelsToTwips(height(), dpiY);
    settings.WindowWidth = PixelsToTwips(width(), dpiX);
    settings.WindowLeft = PixelsToTwips(pos().x(), dpiX);
    settings.WindowTop = PixelsToTwips(pos().y(), dpiY);
    settings.SavedDoseUnit = savedDoseUnit_;
    settings.SavedRiskUnit = savedRiskUnit_;
    settings.CompactDatabase = chkCompactDatabase_->isChecked() ? 1 : 0;
    return settings;
}

void frmPrimarySelectionForm::EndTheProgram() {
    if (ending_) return;
    ending_ = true;
    {
        BusyPointerScope busy(services_.Busy);
        if (helpWindow_) helpWindow_->close();
        WriteUserSettings(UserIniPath(), CurrentSettings());
        if (chkCompactDatabase_->isChecked()) CompactDatabase();
    }
    services_.End.EndProcess(0);
}

void frmPrimarySelectionForm::CompactDatabase() {
    // The compacted copy is written beside the database and renamed over it.
    const std::string folder = std::filesystem::path(databasePath_).parent_path().string();
    if (!services_.FolderWritable(folder)) {
        SetStatusText("Cannot compact the database: its folder " + folder + " is read-only.");
        return;
    }
    // The explore window reads the database for as long as it is open.
    CloseExploreWindow();
    quorvel::CompactDatabase(databasePath_, *this, services_.Busy);
}

}  // namespace quorvel
