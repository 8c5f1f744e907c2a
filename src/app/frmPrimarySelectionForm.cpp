#include "frmPrimarySelectionForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <cmath>

#include "HelpWindow.h"
#include "NuclideList.h"
#include "ResultGridView.h"
#include "WindowPlacement.h"
#include "frmSplash.h"

namespace quorvel {

namespace {

// The design layout counts from the top of the window's inner area, where the toolbar
// stands; the controls' area begins below it.
constexpr double DesignToolbarHeight = 420;

QFont CourierNew9() {
    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(9);
    return font;
}

QIcon ThemeIcon(const char* name, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(name, QApplication::style()->standardIcon(fallback));
}

}  // namespace

const std::vector<HelpFileEntry>& DocumentMenuEntries() {
    static const std::vector<HelpFileEntry> entries = {
        {"mnuFGR", "FGR-13", "FGR13.hlp"},
        {"mnuBiokinetics", "Biokinetics", "Biokinet.hlp"},
        {"mnuDoseCalculation", "Dose Calculation", "Dose.hlp"},
        {"mnuRiskCalculation", "Risk Calculation", "Risk.hlp"},
        {"mnuArchive", "Archive", "Archive.hlp"},
        {"mnuGlossary", "Glossary", "Glossary.hlp"},
    };
    return entries;
}

frmPrimarySelectionForm::frmPrimarySelectionForm(DesktopServices services, QWidget* parent)
    : QMainWindow(parent), services_(services), gridCopyPaste_(services.Clipboard, services.Prompt) {
    setObjectName("frmPrimarySelectionForm");
    setWindowTitle(MainWindowCaption);
    BuildControls();
    BuildMenus();
    BuildToolbar();
    ConnectEvents();
}

frmPrimarySelectionForm::~frmPrimarySelectionForm() = default;

void frmPrimarySelectionForm::BuildControls() {
    central_ = new QWidget(this);
    central_->setObjectName("ControlArea");
    setCentralWidget(central_);
    central_->installEventFilter(this);

    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    const auto place = [&](QWidget* widget, double left, double top, double width, double height) {
        widget->setGeometry(TwipsToPixels(left, dpiX), TwipsToPixels(top - DesignToolbarHeight, dpiY),
                            TwipsToPixels(width, dpiX), TwipsToPixels(height, dpiY));
    };
    const QFont courier = CourierNew9();

    nuclideLabel_ = new QLabel("Nuclide", central_);
    nuclideLabel_->setObjectName("Label2_1");
    nuclideLabel_->setFont(courier);
    place(nuclideLabel_, 405, 540, 720, 330);

    txtSelectedNuclide_ = new QLineEdit(central_);
    txtSelectedNuclide_->setObjectName("txtSelectedNuclide");
    txtSelectedNuclide_->setFont(courier);
    place(txtSelectedNuclide_, 300, 840, 6090, 300);

    listHeader_ = new QLabel(NuclideListHeader, central_);
    listHeader_->setObjectName("Label2_0");
    listHeader_->setFont(courier);
    place(listHeader_, 240, 1275, 6060, 195);

    lstNuclides_ = new QListWidget(central_);
    lstNuclides_->setObjectName("lstNuclides");
    lstNuclides_->setFont(courier);
    lstNuclides_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstNuclides_->setUniformItemSizes(true);
    place(lstNuclides_, 255, 1515, 6120, 960);

    frame2_ = new QGroupBox("Coefficient", central_);
    frame2_->setObjectName("Frame2");
    place(frame2_, 6480, 720, 1695, 1335);
    frame1_ = new QGroupBox("Pathway", central_);
    frame1_->setObjectName("Frame1");
    place(frame1_, 8160, 720, 1695, 1335);
    fraExternalType_ = new QGroupBox("External Type", central_);
    fraExternalType_->setObjectName("fraExternaltype");
    place(fraExternalType_, 9720, 720, 1815, 1335);

    // Inside a frame the options stand one above the other, in the order given.
    const auto stack = [&](QGroupBox* frame, const std::vector<QRadioButton*>& buttons) {
        const int width = frame->width();
        for (std::size_t i = 0; i < buttons.size(); ++i)
            buttons[i]->setGeometry(TwipsToPixels(120, dpiX), TwipsToPixels(300 + 300 * static_cast<double>(i), dpiY),
                                    width - TwipsToPixels(180, dpiX), TwipsToPixels(285, dpiY));
    };
    // One control array: the button of index i carries captions[i] and is named name + i.
    const auto makeOptions = [](auto& buttons, const std::vector<const char*>& captions, const char* name,
                                QGroupBox* frame) {
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            buttons[i] = new QRadioButton(captions[i], frame);
            buttons[i]->setObjectName(QString(name) + QString::number(i));
        }
    };
    makeOptions(optCoefficients_, {"Ingestion", "Inhalation", "External"}, "optCoefficients", frame1_);
    stack(frame1_, {optCoefficients_[2], optCoefficients_[0], optCoefficients_[1]});
    makeOptions(optType_, {"Dose", "Risk"}, "optType", frame2_);
    stack(frame2_, {optType_[0], optType_[1]});
    makeOptions(optExternalType_, {"Submersion", "Ground Plane", "Soil Volume"}, "optExternalType", fraExternalType_);
    stack(fraExternalType_, {optExternalType_[0], optExternalType_[1], optExternalType_[2]});
    optCoefficients_[0]->setChecked(true);
    optType_[1]->setChecked(true);
    optExternalType_[0]->setChecked(true);
    fraExternalType_->setEnabled(false);
    for (auto* button : optExternalType_) button->setEnabled(false);

    unitsLabel_ = new QLabel("Units", central_);
    unitsLabel_->setObjectName("Label2_2");
    unitsLabel_->setFont(courier);
    place(unitsLabel_, 6540, 2160, 720, 330);
    combo1_ = new QComboBox(central_);
    combo1_->setObjectName("Combo1");
    combo1_->setEditable(false);
    place(combo1_, 7350, 2175, 2415, 315);
    cmdGO_ = new QPushButton("Press to Update", central_);
    cmdGO_->setObjectName("cmdGO");
    place(cmdGO_, 9840, 2160, 1695, 375);

    chkCompactDatabase_ = new QCheckBox("Compact database on exit.", central_);
    chkCompactDatabase_->setObjectName("chkCompactDatabase");
    chkCompactDatabase_->setToolTip("Keeps database at optimal size (recommended).");
    place(chkCompactDatabase_, 11760, 1440, 2295, 195);
    chkCompactDatabase_->adjustSize();

    gridView_ = new ResultGridView(grid_, central_);
    gridView_->setObjectName("MSFlexGrid1");
    gridView_->SetCellToolTip([this](int row, int col) { return SourceOfShownCell(row, col); });
    gridView_->OnKeyDown = [this](int keyCode) {
        gridCopyPaste_.KeyDownResponse(keyCode, grid_.Row(), grid_.RowSel(), grid_.Col(), grid_.ColSel());
    };
    gridView_->OnKeyUp = [this](int keyCode) { gridCopyPaste_.KeyUpResponse(keyCode); };

    statusPanel1_ = new QLabel(this);
    statusPanel1_->setObjectName("StatusBar1Panel1");
    statusBar()->setObjectName("StatusBar1");
    statusBar()->addWidget(statusPanel1_, 1);
    statusBar()->setSizeGripEnabled(true);

    const double width = 14160;  // the design width and height of the window, twips
    const double height = 8400;
    resize(TwipsToPixels(width, dpiX), TwipsToPixels(height, dpiY));
}

void frmPrimarySelectionForm::BuildMenus() {
    QMenu* file = menuBar()->addMenu("File");
    file->setObjectName("mnuFile");
    const auto add = [this](QMenu* menu, const char* control, const char* caption, auto slot) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(control);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    // The menu entry does what the toolbar's Export does.
    add(file, "mnuExport", "Export . . .", [this] { ExportCommand(); });
    add(file, "mnuExportAll", "Export All Coefficients . . .", [this] { ExportAllCommand(); });
    add(file, "mnuPageSetup", "Page Setup", [this] { PageSetupCommand(); });
    add(file, "mnuPrint", "Print", [this] { PrintCommand(); });
    add(file, "mnuPrintToPdf", "Print to PDF . . .", [this] { PrintToPdfCommand(); });
    file->addSeparator()->setObjectName("separatorbar0");
    add(file, "mnuExit", "Exit", [this] { EndTheProgram(); });

    QMenu* documents = menuBar()->addMenu("FGR-13 Documents");
    documents->setObjectName("mnuDocuments");
    for (const HelpFileEntry& entry : DocumentMenuEntries()) {
        const std::string fileName = entry.FileName;
        add(documents, entry.Control, entry.Caption, [this, fileName] { OpenHelpFile(fileName); });
    }

    QMenu* tools = menuBar()->addMenu("&Tools");
    tools->setObjectName("Tools");
    add(tools, "Tools_CompactDatabase", "&Compact Database", [this] { CompactDatabase(); });
    add(tools, "Tools_ExploreAllNuclides", "&Explore All Nuclides . . .", [this] { ExploreCommand(); });

    QMenu* help = menuBar()->addMenu("Help");
    help->setObjectName("mnuHelp");
    add(help, "mnuHowToUseHelp", "How to Use Help", [this] { HowToUseHelpCommand(); });
    add(help, "mnuHowTo", "FGR13 Help", [this] { OpenHelpFile("HOWTo.hlp"); });
    help->addSeparator()->setObjectName("Separatorbar1");
    add(help, "mnuAbout", "About", [this] { AboutCommand(); });
}

void frmPrimarySelectionForm::BuildToolbar() {
    imageList1_ = {
        {"Export", ThemeIcon("document-save-as", QStyle::SP_DialogSaveButton)},
        {"Print", ThemeIcon("document-print", QStyle::SP_FileIcon)},
        {"Apply", ThemeIcon("view-refresh", QStyle::SP_BrowserReload)},
        {"copy", ThemeIcon("edit-copy", QStyle::SP_FileDialogDetailedView)},
        {"excel", ThemeIcon("x-office-spreadsheet", QStyle::SP_FileDialogListView)},
    };
    toolbar1_ = addToolBar("Toolbar1");
    toolbar1_->setObjectName("Toolbar1");
    toolbar1_->setMovable(false);
    struct Button {
        const char* Key;
        const char* ToolTip;
        const char* Picture;
    };
    const Button buttons[] = {{"Print", "Print Results", "Print"},
                              {"Export", "Export To File", "Export"},
                              {"CopyToClipboard", "Copy (Ctrl C)", "copy"},
                              {"ExportToExcel", "Export To Excel", "excel"}};
    for (const Button& button : buttons) {
        QAction* action = toolbar1_->addAction(imageList1_.at(button.Picture), button.Key);
        action->setObjectName(QStringLiteral("Toolbar1_%1").arg(button.Key));
        action->setToolTip(button.ToolTip);
        const std::string key = button.Key;
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1ButtonClick(key); });
    }
}

void frmPrimarySelectionForm::ConnectEvents() {
    connect(lstNuclides_, &QListWidget::itemSelectionChanged, this, [this] {
        const int selected = SelectedNuclideEntry();
        if (!suppressListClick_ && selected >= 0)
            txtSelectedNuclide_->setText(QString::fromStdString(EntryNuclide(entries_[static_cast<std::size_t>(selected)])));
    });
    connect(lstNuclides_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        txtSelectedNuclide_->setText(QString::fromStdString(EntryNuclide(item->text().toStdString())));
        Apply();
    });
    connect(txtSelectedNuclide_, &QLineEdit::textChanged, this, [this](const QString& text) {
        AdvanceTextWithListBoxOptions(text.toStdString());
        ChangeTheGridBackGround(false);
    });
    connect(txtSelectedNuclide_, &QLineEdit::returnPressed, this, [this] { Apply(); });
    connect(cmdGO_, &QPushButton::clicked, this, [this] {
        ChangeTheGridBackGround(true);
        Apply();
    });
    for (int i = 0; i < 3; ++i)
        connect(optCoefficients_[static_cast<std::size_t>(i)], &QRadioButton::clicked, this, [this, i] {
            SetupTheUnitParameters();
            fraExternalType_->setEnabled(i == ExternalPathway);
            for (auto* button : optExternalType_) button->setEnabled(i == ExternalPathway);
            ChangeTheGridBackGround(false);
        });
    for (auto* button : optType_)
        connect(button, &QRadioButton::clicked, this, [this] {
            SetupTheUnitParameters();
            ChangeTheGridBackGround(false);
        });
    for (auto* button : optExternalType_)
        connect(button, &QRadioButton::clicked, this, [this] {
            SetupTheUnitParameters();
            ChangeTheGridBackGround(false);
        });
    connect(combo1_, &QComboBox::currentIndexChanged, this, [this] { ChangeTheGridBackGround(false); });
}

bool frmPrimarySelectionForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == central_ && event->type() == QEvent::Resize && !isMinimized()) CorrectTheGridShape();
    return QMainWindow::eventFilter(watched, event);
}

void frmPrimarySelectionForm::CorrectTheGridShape() {
    const QRect list = lstNuclides_->geometry();
    const WindowRect grid = quorvel::CorrectTheGridShape({static_cast<double>(list.left()), static_cast<double>(list.top()),
                                                           static_cast<double>(list.width()), static_cast<double>(list.height())},
                                                          central_->width(), central_->height(), 0);
    // Rounded by edges, so that the grid meets the window's edge and the status bar exactly.
    const auto left = std::lround(grid.Left), top = std::lround(grid.Top);
    gridView_->setGeometry(static_cast<int>(left), static_cast<int>(top),
                           static_cast<int>(std::lround(grid.Left + grid.Width) - left),
                           static_cast<int>(std::lround(grid.Top + grid.Height) - top));
}

void frmPrimarySelectionForm::closeEvent(QCloseEvent* event) {
    EndTheProgram();
    event->accept();
}

std::string frmPrimarySelectionForm::StatusText() const { return statusPanel1_->text().toStdString(); }

void frmPrimarySelectionForm::SetStatusText(const std::string& text) {
    statusPanel1_->setText(QString::fromStdString(text));
    statusPanel1_->repaint();
}

}  // namespace quorvel
