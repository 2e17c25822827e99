#pragma once
// A printed document described by its content: page orientation, a title, page-header bands
// repeated on every page (with "SAYFA NO :"), record blocks, the totals after the last record
// and the signature blocks. Positions come from relative column widths; the renderer
// (render.h) lays the bands out on A4 and paints them the same way for the preview, the
// printer and PDF.
//
// A band is a grid: its layout gives the relative widths of the columns and the font, each
// row holds cells that start at a column and may span several. A cell is a text with an
// optional caption, printed before the text (CaptionStyle::Inline) or above it (Stacked).
// A text that does not fit its cell is printed smaller, never over its neighbour.

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace zeran::report {

enum class Orientation { Portrait, Landscape };
enum class Align : std::uint8_t { Left, Center, Right };
enum class CaptionStyle : std::uint8_t { Inline, Stacked };

struct Cell {
    QString text;
    QString caption;           ///< empty: the text alone
    std::uint16_t column = 0;  ///< first column of the band's layout
    std::uint16_t span = 1;    ///< columns covered
    Align align = Align::Left;
    bool bold = false;
};

struct Row {
    std::vector<Cell> cells;
};

/// A column grid and the look of the bands that use it.
struct Layout {
    Layout() = default;
    Layout(std::vector<double> widths_, double fontSize_, CaptionStyle captions_ = CaptionStyle::Inline,
           bool columnRules_ = false, std::vector<std::size_t> joins_ = {})
        : widths(std::move(widths_)), fontSize(fontSize_), captions(captions_), columnRules(columnRules_),
          joins(std::move(joins_))
    {
    }

    std::vector<double> widths;  ///< relative widths of the columns
    double fontSize = 7;         ///< points
    CaptionStyle captions = CaptionStyle::Inline;
    bool columnRules = false;    ///< vertical lines between the columns over the whole band
    std::vector<std::size_t> joins;  ///< column i joined to column i − 1: no line between them
};

struct Band {
    int layout = 0;  ///< index into Document::layouts
    std::vector<Row> rows;
    bool ruleAbove = false;
    bool ruleBelow = false;
    bool box = false;          ///< a frame around the band
    double spaceAfter = 0;     ///< points left empty under the band
};

/// Bands printed together on one page (a person's lines, a statement); a block taller than a
/// page is broken between its rows.
struct Block {
    std::vector<Band> bands;
    bool newPage = false;  ///< always starts a new page
};

/// "Düzenleyen", "Muhasebe Yetkilisi", "Harcama Yetkilisi" … with the person's name and title.
struct Signature {
    QString role, name, title;
};

struct Document {
    Orientation orientation = Orientation::Portrait;
    QString title;                    ///< top of every page when not empty
    bool pageNumbers = true;          ///< "SAYFA NO : n" at the top right of every page
    std::vector<Layout> layouts;
    std::vector<Band> pageHeader;     ///< under the title on every page
    std::vector<Block> body;          ///< the records
    std::vector<Block> summary;       ///< once, after the last record (totals)
    std::vector<Signature> signatures;  ///< once, after the summary

    /// Adds a layout and returns its index for Band::layout.
    int addLayout(Layout layout)
    {
        layouts.push_back(std::move(layout));
        return int(layouts.size()) - 1;
    }
};

}  // namespace zeran::report
