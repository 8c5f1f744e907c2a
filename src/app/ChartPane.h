#pragma once
// A chart beside a table: the picture, greyed while the table is stale, and its outputs
// (save as PNG/SVG/PDF, copy as an image, print on a page of its own). The main window adds
// the choice of chart kind, descriptor and age above it.

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "ChartData.h"
#include "DesktopServices.h"
#include "NuclideCharts.h"

class QChart;
class QChartView;
class QComboBox;
class QLabel;

namespace quorvel {

inline constexpr const char* ChartFileFilter =
    "PNG picture (*.png)|*.png|SVG drawing (*.svg)|*.svg|PDF document (*.pdf)|*.pdf|";

class ChartPane : public QWidget {
    Q_OBJECT
public:
    // With choices: the row of chart kind, descriptor and age above the chart.
    ChartPane(DesktopServices& services, bool withChoices, QWidget* parent = nullptr);
    ~ChartPane() override;

    // Draws the chart; the footer goes under a saved or printed one.
    void ShowChart(const ChartData& chart, const std::string& footer);
    // A chart that could not be made: an empty one saying why.
    void ShowProblem(const std::string& text);
    // Stale: greyed, as the table beside it.
    void SetCurrent(bool current);
    bool IsCurrent() const { return current_; }

    // The choice row: the kinds of the table shown and the choices its kind takes, each with
    // the name of the default that stands while the user has picked nothing. A choice that
    // is still offered stays chosen.
    struct ChoiceList {
        std::vector<std::string> Items;
        std::string Default;
    };
    void SetChoices(const std::vector<std::string>& kinds, const ChoiceList& descriptors, const ChoiceList& ages);
    // What the user picked (empty: the default).
    std::string ChosenKind() const;
    std::string ChosenDescriptor() const;
    std::string ChosenAge() const;
    // Called when the user picks another kind, descriptor or age.
    std::function<void()> OnChoiceChanged;

    // Wide enough for the axis labels and the legend of a chart by age.
    QSize sizeHint() const override { return {560, 480}; }
    // The least size at which the chart shows its axes, labels and legend whole, at the given
    // width or its least: the value axis' title along the plot; a chart of many categories
    // scrolls, each label whole.
    QSize ReadableSize(int width = 0) const;
    // What a saved chart is named after; the chart's title when none is given.
    void SetFileName(std::vector<std::string> name) { fileName_ = std::move(name); }

    const ChartData& Data() const { return data_; }
    QChart* Chart() const;

    void SaveCommand();
    void CopyCommand();
    void PrintCommand();

private:
    void Draw();
    void ShowLegendBelow();
    void SaveAs(const std::string& filter, const std::string& ending);

    DesktopServices& services_;
    ChartData data_;
    std::string footer_;
    std::vector<std::string> fileName_;
    bool current_ = true;
    bool filling_ = false;

    QComboBox* kind_ = nullptr;
    QComboBox* descriptor_ = nullptr;
    QComboBox* age_ = nullptr;
    QWidget* choices_ = nullptr;
    QWidget* buttons_ = nullptr;
    QChartView* view_ = nullptr;
    QLabel* message_ = nullptr;
    QLabel* legend_ = nullptr;
};

}  // namespace quorvel
