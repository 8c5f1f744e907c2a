// Start-up, the settings file and shutdown of the main window.
#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <filesystem>
#include <memory>

#include "CoefficientCatalogue.h"
#include "FormCentring.h"
#include "HelpWindow.h"
#include "NuclideList.h"
#include "ResultGridView.h"
#include "SpreadsheetExport.h"
#include "WindowPlacement.h"
#include "frmPrimarySelectionForm.h"
#include "frmSplash.h"

namespace quorvel {

namespace {

// Long enough for the window manager to frame and maximize a window just shown.
constexpr int ChartDockDelayMs = 600;

// At start-up and at exit: the workbooks handed to the spreadsheet program, by this run or an
// earlier one, that it has long read and no longer holds open.
void RemoveReadExportFolders() {
    std::error_code error;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
    if (!error) RemoveEarlierExportFolders(temporary, std::chrono::minutes(10));
}

}  // namespace

bool frmPrimarySelectionForm::Load() {
    splash_ = new frmSplash(this);
    splash_->show();
    CenterTheForm(*splash_);
    splash_->repaint();
    QCoreApplication::processEvents();

    printPaperStyle_ = 2;
    RemoveReadExportFolders();
    gridCopyPaste_.SetMSFlexGrid(model_.Grid());
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
    bool listBuilt = false;
    try {
        // The one session of the window: open for as long as it lives.
        model_.OpenDatabase(databasePath_);
        Recordset nuclides = model_.Session().NuclideRecords();
        listBuilt = SetUpListOfNuclides(nuclides);
        model_.Grid().Clear();
    } catch (const std::exception& e) {
        services_.Prompt.ShowMessage(
            std::string("An error (") + e.what() +
            ") has occured while initializing the parameters.  The code will now be terminated.");
        services_.End.EndProcess(1);
        return false;
    }

    // From here on a failing step is passed over.
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
        model_.SetEntries(ReadNuclideListEntries(nuclides));
        const std::vector<std::string>& entries = model_.Entries();
        for (const std::string& entry : entries) lstNuclides_->addItem(QString::fromStdString(entry));
        if (entries.empty()) throw std::runtime_error("No current record.");
        txtSelectedNuclide_->setText(QString::fromStdString(EntryNuclide(entries.front())));
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
    model_.RestoreUnits(*settings);
    PlaceWindow(*settings);
}

void frmPrimarySelectionForm::PlaceWindow(const UserSettings& settings) {
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    std::vector<WindowRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        screens.push_back({PixelsToTwips(area.left(), dpiX), PixelsToTwips(area.top(), dpiY),
                           PixelsToTwips(area.width(), dpiX), PixelsToTwips(area.height(), dpiY)});
    }
    const QSize minimum = minimumSizeHint().expandedTo(minimumSize());
    const StoredPlacement placement = SensiblePlacement(settings, screens, PixelsToTwips(minimum.width(), dpiX),
                                                        PixelsToTwips(minimum.height(), dpiY));
    if (placement.Maximized) {
        setWindowState(Qt::WindowMaximized);
        return;
    }
    setWindowState(Qt::WindowNoState);
    const QRect outer(TwipsToPixels(placement.Geometry.Left, dpiX), TwipsToPixels(placement.Geometry.Top, dpiY),
                      TwipsToPixels(placement.Geometry.Width, dpiX), TwipsToPixels(placement.Geometry.Height, dpiY));
    pendingOuterGeometry_ = outer;
    create();  // the window's handle knows the frame, where the window system tells it early
    PlaceInsideFrame(true);
    // A window manager draws its frame only once the window shows: until then the inside
    // stands where the whole window belongs, and is put right when the frame is known.
    if (windowHandle()->frameMargins().isNull()) pendingOuterGeometry_ = outer;
}

void frmPrimarySelectionForm::PlaceInsideFrame(bool lastChance) {
    if (!pendingOuterGeometry_ || windowHandle() == nullptr) return;
    const QMargins margins = windowHandle()->frameMargins();
    if (margins.isNull() && !lastChance) return;
    const QRect outer = *pendingOuterGeometry_;
    pendingOuterGeometry_.reset();
    const WindowRect inner =
        InnerGeometry({static_cast<double>(outer.left()), static_cast<double>(outer.top()),
                       static_cast<double>(outer.width()), static_cast<double>(outer.height())},
                      {static_cast<double>(margins.left()), static_cast<double>(margins.top()),
                       static_cast<double>(margins.right()), static_cast<double>(margins.bottom())});
    setGeometry(static_cast<int>(inner.Left), static_cast<int>(inner.Top), static_cast<int>(inner.Width),
                static_cast<int>(inner.Height));
}

void frmPrimarySelectionForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The splitter starts at the design's place once the window has its size.
    if (!splitterPlaced_) {
        splitterPlaced_ = true;
        CorrectTheGridShape();
        // After the window manager has sized (or maximized) the window.
        QTimer::singleShot(ChartDockDelayMs, this, [this] { PlaceChartDock(); });
    }
    if (!pendingOuterGeometry_) return;
    // The window manager frames the window a moment after it is shown; two seconds at most.
    auto* timer = new QTimer(this);
    auto tries = std::make_shared<int>(0);
    connect(timer, &QTimer::timeout, this, [this, timer, tries] {
        PlaceInsideFrame(++*tries >= 40);
        if (!pendingOuterGeometry_) timer->deleteLater();
    });
    timer->start(50);
}

UserSettings frmPrimarySelectionForm::CurrentSettings() const {
    UserSettings settings;
    settings.WindowState = isMinimized() ? 1 : isMaximized() ? 2 : 0;
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    // The whole window, frame included, as start-up places it again.
    const QRect outer = frameGeometry();
    settings.WindowHeight = PixelsToTwips(outer.height(), dpiY);
    settings.WindowWidth = PixelsToTwips(outer.width(), dpiX);
    settings.WindowLeft = PixelsToTwips(outer.left(), dpiX);
    settings.WindowTop = PixelsToTwips(outer.top(), dpiY);
    model_.StoreUnits(settings);
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
        RemoveReadExportFolders();
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
    // The session is the only opening of the file: closed for the compaction, opened again
    // after it for every window that reads through it.
    model_.Session().Close();
    quorvel::CompactDatabase(databasePath_, *this, services_.Busy);
    try {
        model_.Session().Reopen();
    } catch (const std::exception& e) {
        services_.Prompt.ShowMessage(std::string("An error (") + e.what() +
                                     ") occured while opening the database again after compacting it.  No table "
                                     "can be looked up until the program is started again.");
    }
}

}  // namespace quorvel
