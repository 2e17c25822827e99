#include "columndocument.h"

namespace zeran::payrolldocs::detail {

Value money(Money m)
{
    return {amt(m), m, Align::Right};
}

Value optionalMoney(const std::optional<Money> &m)
{
    return m ? money(*m) : Value{QString(), Money(), Align::Right};
}

Value text(QString s)
{
    return {std::move(s), std::nullopt, Align::Left};
}

Value integer(long long n)
{
    return {report::integer(n), std::nullopt, Align::Right};
}

Document columnDocument(std::vector<double> widths, std::vector<Row> header)
{
    Document doc;
    doc.orientation = report::Orientation::Landscape;
    doc.title = s(kPayrollTitle);
    Band band;
    band.layout = doc.addLayout(Layout{std::move(widths), 7.5, report::CaptionStyle::Inline, false});
    band.rows = std::move(header);
    band.spaceAfter = 2;
    doc.pageHeader.push_back(std::move(band));
    return doc;
}

ColumnDocument::ColumnDocument(Document &doc, std::vector<double> widths, std::vector<Slot> positions, int lines)
    : doc_(doc), slots_(std::move(positions)), lines_(lines), sums_(slots_.size())
{
    const int imza = int(widths.size()) - 1;
    // A value printed twice side by side stays one column to the eye.
    std::vector<std::size_t> joins;
    for (const Slot &s : slots_) {
        if (s.twice)
            joins.push_back(std::size_t(s.col) + 1);
    }
    Layout captions{widths, 6, report::CaptionStyle::Inline, true, joins};
    Layout values{std::move(widths), 6.5, report::CaptionStyle::Inline, true, std::move(joins)};
    captionLayout_ = doc_.addLayout(std::move(captions));
    valueLayout_ = doc_.addLayout(std::move(values));
    headingLayout_ = doc_.addLayout(Layout{{1}, 7.5, report::CaptionStyle::Inline, false});

    Band header = linesBand(captionLayout_);
    header.box = true;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const Slot &s = slots_[i];
        if (!s.caption.isEmpty())
            header.rows[i % std::size_t(lines_)].cells.push_back(
                cell(s.caption, s.col, Align::Center, s.twice ? 2 : s.span, true));
    }
    header.rows[0].cells.push_back(cell(QStringLiteral("İmza"), imza, Align::Center, 1, true));
    doc_.pageHeader.push_back(std::move(header));
}

void ColumnDocument::add(const std::vector<Value> &values)
{
    Band band = linesBand(valueLayout_);
    band.ruleBelow = true;
    for (std::size_t i = 0; i < slots_.size() && i < values.size(); ++i) {
        const Slot &s = slots_[i];
        const Value &v = values[i];
        if (s.total && v.amount)
            sums_[i] += *v.amount;
        if (v.text.isEmpty())
            continue;
        Row &row = band.rows[i % std::size_t(lines_)];
        row.cells.push_back(cell(v.text, s.col, v.align, s.span));
        if (s.twice)
            row.cells.push_back(cell(v.text, s.col + 1, v.align, s.span));
    }
    Block block;
    block.bands.push_back(std::move(band));
    doc_.body.push_back(std::move(block));
}

void ColumnDocument::finish()
{
    Band heading;
    heading.layout = headingLayout_;
    heading.ruleAbove = true;
    heading.rows.push_back({{cell(QStringLiteral("A L T      T O P L A M L A R"), 0, Align::Center, 1, true)}});
    Band totals = linesBand(valueLayout_);
    totals.box = true;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const Slot &s = slots_[i];
        if (!s.total)
            continue;
        Row &row = totals.rows[i % std::size_t(lines_)];
        row.cells.push_back(cell(amt(sums_[i]), s.col, Align::Right, s.span, true));
        if (s.twice)
            row.cells.push_back(cell(amt(sums_[i]), s.col + 1, Align::Right, s.span, true));
    }
    Block block;
    block.bands.push_back(std::move(heading));
    block.bands.push_back(std::move(totals));
    doc_.summary.push_back(std::move(block));
}

Band ColumnDocument::linesBand(int layout) const
{
    Band band;
    band.layout = layout;
    band.rows.resize(std::size_t(lines_));
    return band;
}

Slots &Slots::column(int col, int span, std::initializer_list<std::pair<QString, bool>> lines)
{
    int n = 0;
    for (const auto &[caption, total] : lines) {
        slots_.push_back(Slot{caption, std::uint16_t(col), std::uint16_t(span), total, false});
        ++n;
    }
    for (; n < lines_; ++n)
        slots_.push_back(Slot{QString(), std::uint16_t(col), std::uint16_t(span), false, false});
    return *this;
}

std::pair<QString, bool> sum(const QString &caption)
{
    return {caption, true};
}

std::pair<QString, bool> bare(const QString &caption)
{
    return {caption, false};
}

}  // namespace zeran::payrolldocs::detail
