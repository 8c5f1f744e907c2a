#pragma once
// A chart's values drawn with Qt Charts: for the chart pane, the clipboard, the printer and
// the saved pictures alike.
//
// Gaps (empty cells) are never drawn as zeros: a line breaks at them and a bar set shows no
// bar there. A logarithmic axis cannot hold zero or a negative value; the coefficients are
// positive, so such a value is drawn as a gap too rather than turning the axis linear.

#include <QImage>
#include <QRectF>
#include <QSize>
#include <memory>
#include <stdexcept>
#include <string>

#include "ChartData.h"

class QChart;
class QPainter;
class QPrinter;

namespace quorvel {

// A chart file that cannot be written: an ending that is no picture format, or a file
// that cannot be made. The text names the file and the cause.
class ChartSaveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The chart with its series, axes and legend. A chart without values shows its EmptyText
// in the middle of the plot. Horizontal bars list the first category at the top.
std::unique_ptr<QChart> BuildChart(const ChartData& data);

// The chart with the footer line below it, filling the rectangle (a printer's page, an
// image). Fonts keep their size against the chart on any device.
void PaintChart(const ChartData& data, QPainter& painter, const QRectF& target, const std::string& footer);

// The resolution the chart's layout measures fonts in: on a device of this resolution the
// chart is drawn as vectors, on another as a fine image.
int ChartLayoutDpi();

// The chart as an image, for copying; a footer only when one is given.
QImage ChartImage(const ChartData& data, QSize size, const std::string& footer = {});

// The chart on one page of the printer, with the footer; false when nothing could be printed.
bool PrintChart(const ChartData& data, QPrinter& printer, const std::string& footer);

// Writes the chart with the footer as PNG, SVG or PDF by the file name's ending (any case);
// an existing file is replaced only once the new one is whole. Any other ending, or a file
// that cannot be written, is a ChartSaveError.
void SaveChart(const ChartData& data, const std::string& path, const std::string& footer);

// The endings SaveChart takes, for messages and file dialogs: ".png, .svg or .pdf".
std::string ChartFileEndings();

}  // namespace quorvel
