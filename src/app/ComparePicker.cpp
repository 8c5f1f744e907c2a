#include "ComparePicker.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "CaseFolding.h"
#include "CompareWindow.h"
#include "DefaultQuantity.h"
#include "NumberText.h"
#include "RowFilter.h"
#include "ToolWidgets.h"

namespace quorvel {

ComparePicker::ComparePicker(DatabaseSession& session, const CoefficientRequest& request, const std::string& nuclide,
                             std::optional<double> progenyCutoff, DesktopServices& services, QWidget* parent)
    : QDialog(parent),
      catalogue_(std::make_unique<CoefficientCatalogue>(session)),
      services_(services),
      unitPosition_(request.UnitPosition),
      requestKind_(request.Kind) {
    setObjectName("frmComparePicker");
    setWindowTitle("Compare Nuclides");
    setAttribute(Qt::WA_DeleteOnClose);
    catalogue_->IncludeProgeny(progenyCutoff);
    Build(request, nuclide);
}

ComparePicker::~ComparePicker() = default;

void ComparePicker::Build(const CoefficientRequest& request, const std::string& nuclide) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    const TableKind& shown = request.Kind;
    type_ = NamedCombo("cboType", {"Dose", "Risk"}, this, CodeIndex(shown.Type));
    pathway_ = NamedCombo("cboPathway", {"Ingestion", "Inhalation", "External"}, this, CodeIndex(shown.PathwayCode));
    geometry_ =
        NamedCombo("cboGeometry", {"Submersion", "Ground Plane", "Soil Volume"}, this, CodeIndex(shown.Geometry));
    geometry_->setEnabled(shown.IsExternal());
    connect(pathway_, &QComboBox::currentIndexChanged, this,
            [this](int pathway) { geometry_->setEnabled(CodeAt<Pathway>(pathway) == Pathway::External); });
    auto* kind = new QHBoxLayout;
    for (QComboBox* combo : {type_, pathway_, geometry_}) kind->addWidget(combo);
    form->addRow("Table", kind);
    filter_ = new QLineEdit(this);
    filter_->setObjectName("txtFilter");
    filter_->setPlaceholderText("name or element");
    connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) { Filter(text); });
    form->addRow("Show", filter_);
    layout->addLayout(form);

    nuclides_ = new QListWidget(this);
    nuclides_->setObjectName("lstNuclides");
    nuclides_->setSelectionMode(QAbstractItemView::MultiSelection);
    const std::string seed = FoldCase(nuclide);
    QListWidgetItem* seeded = nullptr;
    for (const NuclideInfo& info : catalogue_->Nuclides()) {
        const QString name = QString::fromStdString(info.Nuclide);
        if (!nuclides_->findItems(name, Qt::MatchFixedString).isEmpty()) continue;  // listed twice
        auto* item = new QListWidgetItem(name, nuclides_);
        item->setData(Qt::UserRole, QString::fromStdString(info.Element));
        item->setToolTip(QString::fromStdString(info.Element + ", T1/2 " + info.HalfLife));
        if (FoldCase(info.Nuclide) == seed) seeded = item;
    }
    if (seeded) {
        seeded->setSelected(true);
        nuclides_->scrollToItem(seeded, QAbstractItemView::PositionAtCenter);
    }
    connect(nuclides_, &QListWidget::itemSelectionChanged, this, [this] { SelectionChanged(); });
    layout->addWidget(nuclides_, 1);

    message_ = new QLabel(this);
    message_->setObjectName("lblMessage");
    layout->addWidget(message_);
    auto* buttons = new QHBoxLayout;
    auto* compare = new QPushButton("Compare", this);
    compare->setObjectName("cmdCompare");
    compare->setDefault(true);
    connect(compare, &QPushButton::clicked, this, [this] { Compare(); });
    auto* close = new QPushButton("Close", this);
    close->setObjectName("cmdClose");
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    buttons->addStretch(1);
    buttons->addWidget(compare);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    SelectionChanged();
    ResizeWithinScreen(*this, {420, 560});
}

void ComparePicker::Filter(const QString& text) {
    NuclideInfo shown;
    for (int i = 0; i < nuclides_->count(); ++i) {
        QListWidgetItem* item = nuclides_->item(i);
        shown.Nuclide = item->text().toStdString();
        shown.Element = item->data(Qt::UserRole).toString().toStdString();
        item->setHidden(!NamesNuclideOrElement(shown, text.toStdString()));
    }
}

void ComparePicker::SelectionChanged() {
    std::vector<std::string> selected;
    for (int i = 0; i < nuclides_->count(); ++i)
        if (nuclides_->item(i)->isSelected()) selected.push_back(nuclides_->item(i)->text().toStdString());
    // The columns come in the order picked: the main window's nuclide first, then as clicked.
    std::erase_if(picked_, [&](const std::string& name) {
        return std::find(selected.begin(), selected.end(), name) == selected.end();
    });
    for (const auto& name : selected)
        if (std::find(picked_.begin(), picked_.end(), name) == picked_.end()) picked_.push_back(name);
    std::string names;
    for (const auto& name : picked_) names += (names.empty() ? ": " : ", ") + name;
    message_->setText(QString::fromStdString(
        "Picked " + std::to_string(picked_.size()) + " (up to " + std::to_string(MostComparedNuclides) + ")" + names +
        (picked_.size() > MostComparedNuclides ? "; unpick some to compare." : ".")));
}

void ComparePicker::Compare() {
    const std::vector<std::string>& picked = picked_;
    if (picked.empty() || picked.size() > MostComparedNuclides) {
        message_->setText(QString::fromStdString("Pick from 1 to " + std::to_string(MostComparedNuclides) +
                                                 " nuclides in the list to compare."));
        return;
    }
    Quantity quantity;
    quantity.Kind = KindAt(type_->currentIndex(), pathway_->currentIndex(), geometry_->currentIndex());
    // The main window's unit when its table is of this kind; else the kind's first.
    quantity.UnitPosition = quantity.Kind == requestKind_ ? unitPosition_ : 1;
    try {
        const QuantityChoices choices = catalogue_->Choices(quantity.Kind);
        if (choices.Ages.empty() || choices.Descriptors.empty()) {
            message_->setText("This database holds no coefficients of that table.");
            return;
        }
        const Quantity start = DefaultQuantity(quantity.Kind, choices);
        quantity.Age = start.Age;
        quantity.Intake = start.Intake;
    } catch (const std::exception& e) {
        message_->setText(QString::fromStdString(e.what()));
        return;
    }
    auto* window = new CompareWindow(*catalogue_, quantity, picked, services_, this);
    window->show();
}

}  // namespace quorvel
