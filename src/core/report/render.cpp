#include "render.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QRawFont>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <memory>
#include <numeric>
#include <optional>

namespace zeran::report {

namespace {

constexpr double kMarginMm = 8;
constexpr double kTitlePt = 11;
constexpr double kPageNumberPt = 7.5;
constexpr double kPadH = 1.6;       // points left and right of a cell's text
constexpr double kPadV = 0.8;       // points above and below a line of text
constexpr double kStackedCaptionScale = 0.86;  // a caption over its text is smaller
constexpr double kMinScale = 0.55;  // smallest shrink of a text that does not fit
constexpr double kSignatureGap = 14;  // points above the signature blocks

QFont baseFont(double pointSize, bool bold)
{
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                   QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setKerning(false);
    return f;
}

/// A font with its metrics on the printer, and the glyphs of the characters it has printed.
/// Texts are laid out here from the glyphs' advances and painted as glyph runs, many texts at
/// once: a payroll of ten thousand people has hundreds of thousands of cells, and shaping
/// each through QPainter::drawText costs more than everything else together. Kerning is off,
/// so the advances are the layout. A character outside the table (or one the font lacks)
/// sends its text through QPainter::drawText, which finds a fallback font.
struct Face {
    Face(const QFont &f, const QPaintDevice *device) : font(f), metrics(f, device), raw(QRawFont::fromFont(f))
    {
        raw.setPixelSize(f.pointSizeF() * device->logicalDpiY() / 72.0);
        glyphs.fill(Glyph{});
    }

    struct Glyph {
        quint32 index = 0;
        double advance = 0;
        enum : std::uint8_t { Unknown, Known, Missing } state = Unknown;
    };

    /// The glyph of `c`; nullptr when the table cannot print it.
    const Glyph *glyph(QChar c) const
    {
        const char16_t u = c.unicode();
        if (u >= glyphs.size() || !raw.isValid())
            return nullptr;
        Glyph &g = glyphs[u];
        if (g.state == Glyph::Unknown) {
            const QList<quint32> index = raw.glyphIndexesForString(QString(c));
            if (index.size() == 1 && index.front() != 0) {
                g.index = index.front();
                g.advance = raw.advancesForGlyphIndexes(index).front().x();
                g.state = Glyph::Known;
            } else {
                g.state = Glyph::Missing;
            }
        }
        return g.state == Glyph::Known ? &g : nullptr;
    }

    /// The width of `text`, or nullopt when a character cannot be printed from the table.
    std::optional<double> width(QStringView text) const
    {
        double w = 0;
        for (QChar c : text) {
            const Glyph *g = glyph(c);
            if (!g)
                return std::nullopt;
            w += g->advance;
        }
        return w;
    }

    QFont font;
    QFontMetricsF metrics;
    QRawFont raw;
    mutable std::array<Glyph, 0x250> glyphs;  // Latin, with the Turkish letters
};

/// Glyphs waiting to be painted in one font.
struct PendingRun {
    const Face *face = nullptr;
    QList<quint32> glyphs;
    QList<QPointF> positions;
};

/// The fonts of one layout.
struct LayoutFaces {
    std::unique_ptr<Face> text, bold, caption, captionBold;
    double lineHeight = 0;     // one line of text with its padding, device pixels
    double captionHeight = 0;  // one line of caption
};

class Painter {
public:
    Painter(const Document &doc, QPrinter &printer) : doc_(doc), printer_(printer) {}

    int run()
    {
        if (!painter_.begin(&printer_))
            return 0;
        px_ = printer_.resolution() / 72.0;
        const QRectF paintRect = printer_.pageLayout().paintRectPixels(printer_.resolution());
        width_ = paintRect.width();
        bottom_ = paintRect.height();
        pen_ = QPen(Qt::black, std::max(1.0, 0.4 * px_));
        painter_.setPen(pen_);

        title_ = std::make_unique<Face>(baseFont(kTitlePt, true), &printer_);
        pageNumber_ = std::make_unique<Face>(baseFont(kPageNumberPt, false), &printer_);
        for (const Layout &l : doc_.layouts)
            faces_.push_back(facesOf(l.fontSize, l.captions));
        signatureFaces_ = facesOf(8);

        startPage();
        for (const Block &b : doc_.body)
            block(b);
        for (const Block &b : doc_.summary)
            block(b);
        signatures();
        flush();
        painter_.end();
        return page_;
    }

private:
    LayoutFaces facesOf(double size, CaptionStyle style = CaptionStyle::Inline)
    {
        LayoutFaces f;
        const double captionSize = style == CaptionStyle::Stacked ? size * kStackedCaptionScale : size;
        f.text = std::make_unique<Face>(baseFont(size, false), &printer_);
        f.bold = std::make_unique<Face>(baseFont(size, true), &printer_);
        f.caption = std::make_unique<Face>(baseFont(captionSize, false), &printer_);
        f.captionBold = std::make_unique<Face>(baseFont(captionSize, true), &printer_);
        f.lineHeight = f.bold->metrics.height() + 2 * kPadV * px_;
        f.captionHeight = f.caption->metrics.height() + kPadV * px_;
        return f;
    }

    const LayoutFaces &facesFor(int layout) const { return faces_.at(std::size_t(layout)); }

    double rowHeight(const Band &band) const
    {
        const LayoutFaces &f = facesFor(band.layout);
        const Layout &l = doc_.layouts.at(std::size_t(band.layout));
        return l.captions == CaptionStyle::Stacked ? f.lineHeight + f.captionHeight : f.lineHeight;
    }

    double bandHeight(const Band &band) const
    {
        return rowHeight(band) * double(band.rows.size()) + band.spaceAfter * px_;
    }

    double blockHeight(const Block &b) const
    {
        double h = 0;
        for (const Band &band : b.bands)
            h += bandHeight(band);
        return h;
    }

    // ---- Pages ------------------------------------------------------------------------------

    void startPage()
    {
        flush();
        if (page_ > 0)
            printer_.newPage();
        ++page_;
        y_ = 0;
        const bool titleLine = !doc_.title.isEmpty() || doc_.pageNumbers;
        if (titleLine) {
            const double h = title_->metrics.height() + 2 * kPadV * px_;
            if (!doc_.title.isEmpty())
                drawText(title_.get(), doc_.title, 0, y_, width_, Align::Center);
            if (doc_.pageNumbers) {
                // On the title's baseline.
                const double shift = title_->metrics.ascent() - pageNumber_->metrics.ascent();
                drawText(pageNumber_.get(), QStringLiteral("SAYFA NO : %1").arg(page_), 0, y_ + shift, width_, Align::Right);
            }
            y_ += h;
        }
        for (const Band &band : doc_.pageHeader)
            drawBand(band, 0, band.rows.size());
        contentTop_ = y_;
    }

    bool pageHasContent() const { return y_ > contentTop_ + 0.5; }

    void block(const Block &b)
    {
        const double h = blockHeight(b);
        if (b.newPage && pageHasContent())
            startPage();
        else if (y_ + h > bottom_ && pageHasContent())
            startPage();
        if (y_ + h <= bottom_) {
            for (const Band &band : b.bands)
                drawBand(band, 0, band.rows.size());
            return;
        }
        // Taller than a page: broken between rows, the page header repeated.
        for (const Band &band : b.bands) {
            std::size_t from = 0;
            const double rh = rowHeight(band);
            while (from < band.rows.size()) {
                std::size_t fit = 0;
                while (from + fit < band.rows.size() && y_ + rh * double(fit + 1) <= bottom_)
                    ++fit;
                if (fit == 0) {
                    if (!pageHasContent()) {
                        fit = 1;  // a row taller than a page: printed anyway, cut at the edge
                    } else {
                        startPage();
                        continue;
                    }
                }
                drawBand(band, from, from + fit);
                from += fit;
            }
        }
    }

    void signatures()
    {
        if (doc_.signatures.empty())
            return;
        const LayoutFaces &f = signatureFaces_;
        const double h = kSignatureGap * px_ + f.lineHeight * 5;
        if (y_ + h > bottom_ && pageHasContent())
            startPage();
        y_ += kSignatureGap * px_;
        const double colW = width_ / double(doc_.signatures.size());
        for (std::size_t i = 0; i < doc_.signatures.size(); ++i) {
            const Signature &s = doc_.signatures[i];
            const double x = colW * double(i);
            drawText(f.bold.get(), s.role, x, y_, colW, Align::Center);
            // two lines left free for the signature itself
            drawText(f.text.get(), s.name, x, y_ + 3 * f.lineHeight, colW, Align::Center);
            drawText(f.text.get(), s.title, x, y_ + 4 * f.lineHeight, colW, Align::Center);
        }
        y_ += 5 * f.lineHeight;
    }

    // ---- Bands --------------------------------------------------------------------------------

    /// Column edges of a layout in device pixels (edges[i] is the left edge of column i).
    const std::vector<double> &edges(int layout)
    {
        auto it = edges_.find(layout);
        if (it != edges_.end())
            return it->second;
        const std::vector<double> &w = doc_.layouts.at(std::size_t(layout)).widths;
        const double total = std::accumulate(w.begin(), w.end(), 0.0);
        std::vector<double> e{0};
        double run = 0;
        for (double v : w) {
            run += v;
            e.push_back(total > 0 ? width_ * run / total : width_);
        }
        return edges_.emplace(layout, std::move(e)).first->second;
    }

    void drawBand(const Band &band, std::size_t from, std::size_t to)
    {
        const Layout &layout = doc_.layouts.at(std::size_t(band.layout));
        const LayoutFaces &f = facesFor(band.layout);
        const std::vector<double> &e = edges(band.layout);
        const double rh = rowHeight(band);
        const double top = y_;
        for (std::size_t r = from; r < to; ++r) {
            for (const Cell &c : band.rows[r].cells) {
                const std::size_t first = std::min<std::size_t>(c.column, e.size() - 2);
                const std::size_t last = std::min<std::size_t>(first + std::max<std::size_t>(c.span, 1), e.size() - 1);
                drawCell(layout, f, c, e[first], y_, e[last] - e[first]);
            }
            y_ += rh;
        }
        const double height = y_ - top;
        if (layout.columnRules && height > 0) {
            for (std::size_t i = 1; i + 1 < e.size(); ++i) {
                if (std::find(layout.joins.begin(), layout.joins.end(), i) == layout.joins.end())
                    painter_.drawLine(QPointF(e[i], top), QPointF(e[i], top + height));
            }
        }
        if (band.box && height > 0)
            painter_.drawRect(QRectF(0, top, width_, height));
        if (band.ruleAbove && from == 0)
            painter_.drawLine(QPointF(0, top), QPointF(width_, top));
        if (band.ruleBelow && to == band.rows.size())
            painter_.drawLine(QPointF(0, y_), QPointF(width_, y_));
        if (to == band.rows.size())
            y_ += band.spaceAfter * px_;
        flush();
    }

    void drawCell(const Layout &layout, const LayoutFaces &f, const Cell &c, double x, double y, double w)
    {
        const Face *text = c.bold ? f.bold.get() : f.text.get();
        if (c.caption.isEmpty()) {
            drawText(text, c.text, x, y, w, c.align);
            return;
        }
        const Face *caption = c.bold ? f.captionBold.get() : f.caption.get();
        if (layout.captions == CaptionStyle::Stacked) {
            drawText(caption, c.caption, x, y, w, c.align);
            drawText(text, c.text, x, y + f.captionHeight, w, c.align);
            return;
        }
        // Inline: the caption at the left, the text in the room that is left.
        const double pad = kPadH * px_;
        const double avail = std::max(0.0, w - 2 * pad);
        double capW = caption->metrics.horizontalAdvance(c.caption);
        const double textW = c.text.isEmpty() ? 0 : text->metrics.horizontalAdvance(c.text);
        const double gap = c.text.isEmpty() ? 0 : 3 * px_;
        if (capW + gap + textW > avail) {
            // Both shrink together: the caption keeps at most its share of the room.
            const double share = capW / std::max(1.0, capW + textW);
            const double capRoom = std::max(0.0, (avail - gap) * share);
            drawText(caption, c.caption, x, y, capRoom + 2 * pad, Align::Left);
            const Align align = c.align == Align::Left ? Align::Left : Align::Right;
            drawText(text, c.text, x + capRoom + gap, y, w - capRoom - gap, align);
            return;
        }
        drawText(caption, c.caption, x, y, capW + 2 * pad, Align::Left);
        capW += gap;
        drawText(text, c.text, x + capW, y, w - capW, c.align);
    }

    /// One line of text in the box (x, y, w) of a row: aligned, and printed smaller (down to
    /// kMinScale, then cut short) when it is wider than the box.
    void drawText(const Face *face, const QString &text, double x, double y, double w, Align align)
    {
        if (text.isEmpty())
            return;
        const double pad = kPadH * px_;
        const double avail = w - 2 * pad;
        if (avail <= 0)
            return;
        const std::optional<double> measured = face->width(text);
        if (!measured) {
            drawTextByPainter(face, text, x, y, w, align);
            return;
        }
        const Face *use = face;
        double tw = *measured;
        QString shown = text;
        if (tw > avail) {
            use = scaled(face, std::max(kMinScale, avail / tw));
            tw = use->width(text).value_or(tw);
            if (tw > avail) {
                shown = elided(use, text, avail);
                tw = use->width(shown).value_or(avail);
            }
        }
        // The shrunk text sits on the baseline of the row's own font.
        const double base = y + kPadV * px_ + face->metrics.ascent();
        queue(use, shown, textLeft(x, w, tw, align), base);
    }

    double textLeft(double x, double w, double tw, Align align) const
    {
        const double pad = kPadH * px_;
        if (align == Align::Right)
            return x + w - pad - tw;
        if (align == Align::Center)
            return x + (w - tw) / 2;
        return x + pad;
    }

    /// `text` cut to `avail` with "…" at its end.
    static QString elided(const Face *face, const QString &text, double avail)
    {
        const QString dots = QStringLiteral("…");
        const double dotsW = face->width(dots).value_or(0);
        double w = 0;
        qsizetype n = 0;
        for (; n < text.size(); ++n) {
            const double a = face->width(QStringView(text).mid(n, 1)).value_or(0);
            if (w + a + dotsW > avail)
                break;
            w += a;
        }
        return text.left(n) + dots;
    }

    void queue(const Face *face, const QString &text, double left, double base)
    {
        PendingRun *run = nullptr;
        for (PendingRun &r : pending_) {
            if (r.face == face)
                run = &r;
        }
        if (!run) {
            pending_.push_back(PendingRun{face, {}, {}});
            run = &pending_.back();
        }
        double x = left;
        for (QChar c : text) {
            const Face::Glyph *g = face->glyph(c);
            if (!g)
                continue;
            run->glyphs.push_back(g->index);
            run->positions.push_back(QPointF(x, base));
            x += g->advance;
        }
    }

    void flush()
    {
        for (PendingRun &r : pending_) {
            if (r.glyphs.isEmpty())
                continue;
            QGlyphRun run;
            run.setRawFont(r.face->raw);
            run.setGlyphIndexes(r.glyphs);
            run.setPositions(r.positions);
            painter_.drawGlyphRun(QPointF(0, 0), run);
            r.glyphs.clear();
            r.positions.clear();
        }
    }

    /// A text with characters outside the glyph table: laid out and painted by QPainter.
    void drawTextByPainter(const Face *face, const QString &text, double x, double y, double w, Align align)
    {
        const double avail = w - 2 * kPadH * px_;
        const Face *use = face;
        QString shown = text;
        double tw = face->metrics.horizontalAdvance(text);
        if (tw > avail) {
            use = scaled(face, std::max(kMinScale, avail / tw));
            tw = use->metrics.horizontalAdvance(text);
            if (tw > avail) {
                shown = use->metrics.elidedText(text, Qt::ElideRight, avail);
                tw = use->metrics.horizontalAdvance(shown);
            }
        }
        painter_.setFont(use->font);
        painter_.drawText(QPointF(textLeft(x, w, tw, align), y + kPadV * px_ + face->metrics.ascent()), shown);
    }

    /// `face` at `scale` of its size (rounded to a tenth of a point, kept for reuse).
    const Face *scaled(const Face *face, double scale)
    {
        const double size = std::max(1.0, std::floor(face->font.pointSizeF() * scale * 10) / 10);
        const QString key = QStringLiteral("%1/%2").arg(face->font.bold()).arg(size);
        auto it = scaledFaces_.find(key);
        if (it != scaledFaces_.end())
            return it->second.get();
        QFont f = face->font;
        f.setPointSizeF(size);
        return scaledFaces_.emplace(key, std::make_unique<Face>(f, &printer_)).first->second.get();
    }

    const Document &doc_;
    QPrinter &printer_;
    QPainter painter_;
    QPen pen_;
    double px_ = 1;       // device pixels per point
    double width_ = 0;    // of the printable area
    double bottom_ = 0;   // height of the printable area
    double y_ = 0;        // next free line of the page
    double contentTop_ = 0;
    int page_ = 0;
    std::unique_ptr<Face> title_, pageNumber_;
    std::vector<LayoutFaces> faces_;
    LayoutFaces signatureFaces_;
    std::map<int, std::vector<double>> edges_;
    std::map<QString, std::unique_ptr<Face>> scaledFaces_;
    std::vector<PendingRun> pending_;
};

}  // namespace

void setUpPage(QPrinter &printer, const Document &doc)
{
    const QPageLayout layout(QPageSize(QPageSize::A4),
                             doc.orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                             QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
    printer.setPageLayout(layout);
}

int paint(const Document &doc, QPrinter &printer)
{
    return Painter(doc, printer).run();
}

}  // namespace zeran::report
