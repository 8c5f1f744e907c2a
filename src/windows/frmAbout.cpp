#include "frmAbout.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "ApplicationVersion.h"
#include "frmSystemInfo.h"

namespace quorvel {

namespace {

QLabel* AddLabel(QVBoxLayout* layout, const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    layout->addWidget(label);
    return label;
}

}  // namespace

bool QtProgramStarter::StartDetached(const std::string& program) {
    return QProcess::startDetached(QString::fromStdString(program), {});
}

frmAbout::frmAbout(const SystemReportFacts& facts, const KeyValueSource& keys, ProgramStarter& starter,
                   UserPrompt& prompt, QWidget* parent)
    : QDialog(parent), facts_(facts), keys_(keys), starter_(starter), prompt_(prompt) {
    facts_.ProgramVersion = std::string(ApplicationTitle) + " " + VersionText();
    facts_.QtVersion = std::string(qVersion()) + " (built with " + QT_VERSION_STR + ")";
    setObjectName("frmAbout");
    setModal(true);
    setWindowTitle(QStringLiteral("About %1").arg(ApplicationTitle));

    auto* outer = new QHBoxLayout(this);
    auto* icon = new QLabel(this);
    icon->setObjectName("picIcon");
    icon->setPixmap(QApplication::windowIcon().isNull()
                        ? style()->standardIcon(QStyle::SP_FileDialogInfoView).pixmap(48, 48)
                        : QApplication::windowIcon().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    outer->addWidget(icon);

    auto* column = new QVBoxLayout;
    outer->addLayout(column);
    QLabel* title = AddLabel(column, "lblTitle", ApplicationTitle, this);
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() + 6);
    titleFont.setBold(true);
    title->setFont(titleFont);
    AddLabel(column, "lblVersion", QString::fromStdString(VersionText()), this);
    AddLabel(column, "lblDescription0",
             "The coefficient database holds the FGR-13 ingestion dose coefficients by organ and age "
             "(733 nuclides) and ingestion cancer risk coefficients (733 nuclides, tap water and food) "
             "of the report's data package; the FGR-13 inhalation organ doses of 100 nuclides and the "
             "ICRP Publication 72 effective doses for every other nuclide and form; and the external "
             "dose coefficients of Federal Guidance Report No. 12 for air submersion, the ground plane "
             "and soil to infinite depth (825 nuclides). It is built from the published tables as they "
             "stand; the FGR-13 inhalation and external cancer risk tables are present without values, "
             "as no machine-readable source of them was at hand.",
             this);
    AddLabel(column, "lblDescription5", "Authors:", this);
    AddLabel(column, "lblDescription1", "The Quorvel developers.", this);
    AddLabel(column, "lblDescription2", "When you use these coefficients, cite the report they come from:", this);
    AddLabel(column, "lblDescription3",
             "K. F. Eckerman, R. W. Leggett, C. B. Nelson, J. S. Puskin and A. C. B. Richardson, Cancer Risk "
             "Coefficients for Environmental Exposure to Radionuclides, Federal Guidance Report No. 13, "
             "EPA 402-R-99-001, U.S. Environmental Protection Agency, Washington, DC, 1999; and "
             "K. F. Eckerman and J. C. Ryman, External Exposure to Radionuclides in Air, Water, and Soil, "
             "Federal Guidance Report No. 12, EPA 402-R-93-081, 1993.",
             this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    auto* sysInfo = new QPushButton("&System Info...", this);
    sysInfo->setObjectName("cmdSysInfo");
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    column->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(sysInfo, &QPushButton::clicked, this, [this] {
        frmSystemInfo info(facts_, keys_, starter_, prompt_, this);
        info.exec();
    });
    setMinimumWidth(520);
}

}  // namespace quorvel
