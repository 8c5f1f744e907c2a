#include "frmPrimarySelectionForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "CoefficientCatalogue.h"
#include "HelpWindow.h"
#include "NuclideList.h"
#include "ResultGridView.h"
#include "ToolbarPictures.h"
#include "WindowPlacement.h"
#include "frmSplash.h"

namespace quorvel {

namespace {

// The design layout counts from the top of the window's inner area, where the toolbar
// stands; the controls' area begins below it.
constexpr double DesignToolbarHeight = 420;
constexpr int StatusTextSeconds = 5;

QFont CourierNew9() {
    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(9);
    return font;
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
    : QMainWindow(parent),
      services_(services),
      model_(services.Busy),
      gridCopyPaste_(services.Clipboard, services.Prompt) {
    setObjectName("frmPrimarySelectionForm");
    setWindowTitle(MainWindowCaption);
    BuildControls();
    BuildMenus();
    BuildToolbar();
    BuildChartPane();
    ConnectEvents();
    // Every control shows whole down to this size.
    setMinimumSize(minimumSizeHint());
}

frmPrimarySelectionForm::~frmPrimarySelectionForm() = default;

void frmPrimarySelectionForm::BuildControls() {
    central_ = new QWidget(this);
    central_->setObjectName("ControlArea");
    setCentralWidget(central_);

    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    const auto wide = [dpiX](double twips) { return TwipsToPixels(twips, dpiX); };
    const auto high = [dpiY](double twips) { return TwipsToPixels(twips, dpiY); };
    const QFont courier = CourierNew9();

    // The selection area above the grid: the nuclide column on the left, the options on
    // the right, in the design's arrangement and proportions.
    selectionArea_ = new QWidget(central_);
    selectionArea_->setObjectName("SelectionArea");

    nuclideLabel_ = new QLabel("Nuclide", selectionArea_);
    nuclideLabel_->setObjectName("Label2_1");
    nuclideLabel_->setFont(courier);
    txtSelectedNuclide_ = new QLineEdit(selectionArea_);
    txtSelectedNuclide_->setObjectName("txtSelectedNuclide");
    txtSelectedNuclide_->setFont(courier);
    listHeader_ = new QLabel(NuclideListHeader, selectionArea_);
    listHeader_->setObjectName("Label2_0");
    listHeader_->setFont(courier);
    // The list's column header: cut with the list when the window is narrow (the list
    // then scrolls), so that it does not set the window's minimum width.
    listHeader_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lstNuclides_ = new QListWidget(selectionArea_);
    lstNuclides_->setObjectName("lstNuclides");
    lstNuclides_->setFont(courier);
    lstNuclides_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstNuclides_->setUniformItemSizes(true);
    lstNuclides_->setMinimumSize(wide(2400), high(600));

    auto* nuclideColumn = new QVBoxLayout;
    nuclideColumn->setSpacing(0);
    nuclideColumn->addWidget(nuclideLabel_);
    nuclideColumn->addWidget(txtSelectedNuclide_);
    nuclideColumn->addSpacing(high(1275 - 1140));
    nuclideColumn->addWidget(listHeader_);
    nuclideColumn->addSpacing(high(1515 - 1470));
    nuclideColumn->addWidget(lstNuclides_, 1);

    frame2_ = new QGroupBox("Coefficient", selectionArea_);
    frame2_->setObjectName("Frame2");
    frame1_ = new QGroupBox("Pathway", selectionArea_);
    frame1_->setObjectName("Frame1");
    fraExternalType_ = new QGroupBox("External Type", selectionArea_);
    fraExternalType_->setObjectName("fraExternaltype");

    // Inside a frame the options stand one above the other, in the order given.
    const auto stack = [](QGroupBox* frame, const std::vector<QRadioButton*>& buttons) {
        auto* column = new QVBoxLayout(frame);
        for (QRadioButton* button : buttons) column->addWidget(button);
        column->addStretch(1);
    };
    // One control array: the button of index i carries captions[i] and is named name + i.
    const auto makeOptions = [](auto& buttons, const std::vector<std::string>& captions, const char* name,
                                QGroupBox* frame) {
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            buttons[i] = new QRadioButton(QString::fromStdString(captions[i]), frame);
            buttons[i]->setObjectName(QString(name) + QString::number(i));
        }
    };
    makeOptions(
        optCoefficients_,
        {PathwayCaption(Pathway::Ingestion), PathwayCaption(Pathway::Inhalation), PathwayCaption(Pathway::External)},
        "optCoefficients", frame1_);
    stack(frame1_, {optCoefficients_[2], optCoefficients_[0], optCoefficients_[1]});
    makeOptions(optType_, {TypeCaption(CoefficientType::Dose), TypeCaption(CoefficientType::Risk)}, "optType", frame2_);
    stack(frame2_, {optType_[0], optType_[1]});
    makeOptions(optExternalType_,
                {GeometryCaption(ExternalGeometry::Submersion), GeometryCaption(ExternalGeometry::GroundPlane),
                 GeometryCaption(ExternalGeometry::SoilVolume)},
                "optExternalType", fraExternalType_);
    stack(fraExternalType_, {optExternalType_[0], optExternalType_[1], optExternalType_[2]});
    optCoefficients_[0]->setChecked(true);
    optType_[1]->setChecked(true);
    optExternalType_[0]->setChecked(true);
    fraExternalType_->setEnabled(false);
    for (auto* button : optExternalType_) button->setEnabled(false);

    unitsLabel_ = new QLabel("Units", selectionArea_);
    unitsLabel_->setObjectName("Label2_2");
    unitsLabel_->setFont(courier);
    combo1_ = new QComboBox(selectionArea_);
    combo1_->setObjectName("Combo1");
    combo1_->setEditable(false);
    combo1_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo1_->setMinimumContentsLength(12);
    cmdGO_ = new QPushButton("Press to Update", selectionArea_);
    cmdGO_->setObjectName("cmdGO");
    // Wide enough for the bold caption, so that the button keeps its size either way.
    QFont bold = cmdGO_->font();
    bold.setBold(true);
    cmdGO_->setMinimumWidth(QFontMetrics(bold).horizontalAdvance(cmdGO_->text()) + wide(240));

    chkCompactDatabase_ = new QCheckBox("Compact database on exit.", selectionArea_);
    chkCompactDatabase_->setObjectName("chkCompactDatabase");
    chkCompactDatabase_->setToolTip("Keeps database at optimal size (recommended).");

    // On two lines, so that the selection area keeps the design's proportions.
    chkProgeny_ = new QCheckBox("Include short-lived\nprogeny (+D)", selectionArea_);
    chkProgeny_->setObjectName("chkProgeny");
    const QString progenyTip =
        "Adds to every coefficient those of the decay products with half-lives under the cutoff, times their "
        "cumulative branching fractions (activity equilibrium). The default cutoff, 180 d (six months), is the one "
        "of the published +D values (EPA's FGR-13 slope factor table). See FGR13 Help.";
    chkProgeny_->setToolTip(progenyTip);
    txtProgenyCutoff_ = new QLineEdit("180d", selectionArea_);
    txtProgenyCutoff_->setObjectName("txtProgenyCutoff");
    txtProgenyCutoff_->setToolTip(QString("Half-life cutoff of +D: ") + DurationUnitsHelp());
    txtProgenyCutoff_->setFixedWidth(wide(1200));
    txtProgenyCutoff_->setPlaceholderText("half-life cutoff");

    // The frames side by side with the check box beside them, the units and GO below.
    auto* options = new QGridLayout;
    options->setHorizontalSpacing(0);
    options->setVerticalSpacing(high(105));
    options->addWidget(frame2_, 0, 0);
    options->addWidget(frame1_, 0, 1);
    options->addWidget(fraExternalType_, 0, 2);
    // The check box, and below it the +D option with its cutoff, beside the frames.
    auto* besideFrames = new QVBoxLayout;
    besideFrames->addStretch(1);
    besideFrames->addWidget(chkCompactDatabase_);
    besideFrames->addWidget(chkProgeny_);
    auto* cutoffRow = new QHBoxLayout;
    cutoffRow->addSpacing(wide(270));
    cutoffRow->addWidget(txtProgenyCutoff_);
    cutoffRow->addStretch(1);
    besideFrames->addLayout(cutoffRow);
    besideFrames->addStretch(1);
    options->addLayout(besideFrames, 0, 3);
    auto* unitsRow = new QHBoxLayout;
    unitsRow->addWidget(unitsLabel_);
    unitsRow->addSpacing(wide(90));
    unitsRow->addWidget(combo1_, 1);
    unitsRow->addSpacing(wide(75));
    unitsRow->addWidget(cmdGO_);
    options->addLayout(unitsRow, 1, 0, 1, 3);
    options->setColumnStretch(0, 1695);
    options->setColumnStretch(1, 1695);
    options->setColumnStretch(2, 1815);
    options->setColumnStretch(3, 2295);
    options->setColumnMinimumWidth(
        3, std::max(chkCompactDatabase_->sizeHint().width(), chkProgeny_->sizeHint().width()) + wide(225));
    options->setRowStretch(2, 1);

    auto* selection = new QHBoxLayout(selectionArea_);
    selection->setContentsMargins(0, high(720 - DesignToolbarHeight), wide(120), 0);
    selection->setSpacing(wide(105));
    selection->addLayout(nuclideColumn, 6120);
    selection->addLayout(options, 14055 - 6480);

    gridView_ = new ResultGridView(model_.Grid(), central_);
    gridView_->setObjectName("MSFlexGrid1");
    gridView_->SetCellToolTip([this](int row, int col) { return model_.CellToolTip(row, col); });
    gridView_->setMinimumHeight(high(1200));
    gridView_->OnKeyDown = [this](int keyCode) {
        gridCopyPaste_.KeyDownResponse(keyCode, model_.Grid().Row(), model_.Grid().RowSel(), model_.Grid().Col(),
                                       model_.Grid().ColSel());
    };
    gridView_->OnKeyUp = [this](int keyCode) { gridCopyPaste_.KeyUpResponse(keyCode); };

    // The user may give the nuclide list more rows; the grid takes what the window gains.
    splitter_ = new QSplitter(Qt::Vertical, central_);
    splitter_->setObjectName("SelectionSplitter");
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(selectionArea_);
    splitter_->addWidget(gridView_);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    auto* area = new QVBoxLayout(central_);
    // The grid and the nuclide column begin at the list's left edge; the grid reaches the
    // window's right edge and the status bar.
    area->setContentsMargins(wide(255), 0, 0, 0);
    area->addWidget(splitter_);

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
    // The usual keys stand beside the captions.
    const auto keyed = [&add](QMenu* menu, const char* control, const char* caption, QKeySequence key, auto slot) {
        add(menu, control, caption, slot)->setShortcut(key);
    };
    // The menu entry does what the toolbar's Export does.
    keyed(file, "mnuExport", "Export . . .", QKeySequence(Qt::CTRL | Qt::Key_E), [this] { ExportCommand(); });
    add(file, "mnuExportAll", "Export All Coefficients . . .", [this] { ExportAllCommand(); });
    add(file, "mnuPageSetup", "Page Setup", [this] { PageSetupCommand(); });
    keyed(file, "mnuPrint", "Print", QKeySequence::Print, [this] { PrintCommand(); });
    add(file, "mnuPrintToPdf", "Print to PDF . . .", [this] { PrintToPdfCommand(); });
    file->addSeparator()->setObjectName("separatorbar0");
    keyed(file, "mnuExit", "Exit", QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { EndTheProgram(); });

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
    QAction* compare = add(tools, "Tools_CompareNuclides", "C&ompare Nuclides . . .", [this] { CompareCommand(); });
    lstNuclides_->setContextMenuPolicy(Qt::ActionsContextMenu);
    lstNuclides_->addAction(compare);
    add(tools, "Tools_DecayChain", "&Decay Chain . . .", [this] { DecayChainCommand(); });
    add(tools, "Tools_IntakeCalculator", "&Intake Calculator . . .", [this] { IntakeCalculatorCommand(); });

    QMenu* help = menuBar()->addMenu("Help");
    help->setObjectName("mnuHelp");
    add(help, "mnuHowToUseHelp", "How to Use Help", [this] { HowToUseHelpCommand(); });
    keyed(help, "mnuHowTo", "FGR13 Help", QKeySequence::HelpContents, [this] { OpenHelpFile("HOWTo.hlp"); });
    help->addSeparator()->setObjectName("Separatorbar1");
    add(help, "mnuAbout", "About", [this] { AboutCommand(); });
}

void frmPrimarySelectionForm::BuildToolbar() {
    for (const char* picture : {"Export", "Print", "copy", "excel"}) imageList1_[picture] = ToolbarPicture(picture);
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
            txtSelectedNuclide_->setText(
                QString::fromStdString(EntryNuclide(model_.Entries()[static_cast<std::size_t>(selected)])));
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
            const bool external = CodeAt<Pathway>(i) == Pathway::External;
            fraExternalType_->setEnabled(external);
            for (auto* button : optExternalType_) button->setEnabled(external);
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
    connect(chkProgeny_, &QCheckBox::toggled, this, [this] { ChangeTheGridBackGround(false); });
    connect(txtProgenyCutoff_, &QLineEdit::textEdited, this, [this] { ChangeTheGridBackGround(false); });
    connect(txtProgenyCutoff_, &QLineEdit::returnPressed, this, [this] { Apply(); });
}

void frmPrimarySelectionForm::CorrectTheGridShape() {
    // The design's list, counted from below the toolbar: the grid begins 5 % of its height
    // below it. That is where the splitter starts; the user may move it from there.
    const double dpiY = logicalDpiY();
    const WindowRect grid = quorvel::CorrectTheGridShape({255, 1515 - DesignToolbarHeight, 6120, 960}, 14160, 8400, 0);
    const int top = std::max(TwipsToPixels(grid.Top, dpiY), selectionArea_->minimumSizeHint().height());
    splitter_->setSizes({top, std::max(splitter_->height() - top, TwipsToPixels(grid.Height, dpiY))});
}

void frmPrimarySelectionForm::closeEvent(QCloseEvent* event) {
    EndTheProgram();
    event->accept();
}

std::string frmPrimarySelectionForm::StatusText() const { return statusPanel1_->text().toStdString(); }

void frmPrimarySelectionForm::SetStatusText(const std::string& text) {
    const QString last = statusPanel1_->text();
    statusPanel1_->setText(QString::fromStdString(text));
    // A text cleared at the end of a step stays a few seconds as the bar's passing message,
    // long enough to be read.
    if (text.empty() && !last.isEmpty()) statusBar()->showMessage(last, StatusTextSeconds * 1000);
    // Shown while the step runs: the window is painted now, not when the event loop returns.
    statusBar()->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace quorvel
