#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "CaseFolding.h"
#include "ChartRendering.h"
#include "FileReplacement.h"
#include "NumberText.h"

namespace quorvel {

namespace {

enum class ChartFormat { Png, Svg, Pdf };

// The picture's size where the format has no page of its own.
const QSize PictureSize(1200, 800);

ChartFormat FormatOf(const std::string& path) {
    const std::string ending = FoldCase(std::filesystem::path(path).extension().string());
    if (ending == ".png") return ChartFormat::Png;
    if (ending == ".svg") return ChartFormat::Svg;
    if (ending == ".pdf") return ChartFormat::Pdf;
    throw ChartSaveError("the chart file " + path + " must end in " + ChartFileEndings() + ".");
}

bool WritePng(const ChartData& data, const std::string& output, const std::string& footer) {
    return ChartImage(data, PictureSize, footer).save(QString::fromStdString(output), "PNG");
}

bool WriteSvg(const ChartData& data, const std::string& output, const std::string& footer) {
    QSvgGenerator svg;
    svg.setFileName(QString::fromStdString(output));
    svg.setSize(PictureSize);
    svg.setViewBox(QRect(QPoint(0, 0), PictureSize));
    svg.setTitle(QString::fromStdString(data.Title));
    svg.setResolution(ChartLayoutDpi());
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    PaintChart(data, painter, QRectF(QPoint(0, 0), PictureSize), footer);
    return painter.end();
}

bool WritePdf(const ChartData& data, const std::string& output, const std::string& footer) {
    QPdfWriter pdf(QString::fromStdString(output));
    pdf.setTitle(QString::fromStdString(data.Title));
    pdf.setResolution(ChartLayoutDpi());
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                                  QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&pdf)) return false;
    const QRect page = pdf.pageLayout().paintRectPixels(pdf.resolution());
    PaintChart(data, painter, QRectF(0, 0, page.width(), page.height()), footer);
    return painter.end();
}

bool NotEmpty(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return !error && size > 0;
}

}  // namespace

std::string ChartFileEndings() { return ".png, .svg or .pdf"; }

void SaveChart(const ChartData& data, const std::string& path, const std::string& footer) {
    const ChartFormat format = FormatOf(path);
    errno = 0;
    const bool written = ReplaceFile(path, [&](const std::string& output) {
        bool whole = false;
        switch (format) {
            case ChartFormat::Png: whole = WritePng(data, output, footer); break;
            case ChartFormat::Svg: whole = WriteSvg(data, output, footer); break;
            case ChartFormat::Pdf: whole = WritePdf(data, output, footer); break;
        }
        return whole && NotEmpty(output);
    });
    if (!written) {
        const std::string cause = errno != 0 ? std::strerror(errno) : "it could not be written";
        throw ChartSaveError("the chart file " + path + " could not be written (" + cause + ").");
    }
}

}  // namespace quorvel
