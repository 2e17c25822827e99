#include "paymodels.h"

namespace zeran::payrollscreen {

namespace {

enum PayColumn { Kodu, AdSoyad, Gorevi, MDK, Gost, EkGost, Kid, GvMat, Gelir, Kesinti, NetMaas, EleGecen, Birimi, PayColumns };
enum PeopleColumn { PKodu, PSicil, PAdSoyad, PeopleColumns };

bool isAmount(int column)
{
    return column >= GvMat && column <= EleGecen;
}

bool isNumber(int column)
{
    return column == Kodu || column == Gost || column == EkGost || column == Kid;
}

}  // namespace

PayRowsModel::PayRowsModel(Layout layout, const std::vector<PayRow> &rows, QObject *parent)
    : QAbstractTableModel(parent), layout_(layout), rows_(rows)
{
}

void PayRowsModel::reset()
{
    beginResetModel();
    endResetModel();
}

QStringList PayRowsModel::captions(Layout layout)
{
    if (layout == Layout::People)
        return {QStringLiteral("Kodu"), QStringLiteral("Sicil No"), QStringLiteral("Adı ve Soyadı")};
    return {QStringLiteral("Kodu"),         QStringLiteral("Adı ve Soyadı"),   QStringLiteral("Görevi"),
            QStringLiteral("M.D/K"),        QStringLiteral("Göst"),            QStringLiteral("Ek Göst"),
            QStringLiteral("Kıd"),          QStringLiteral("Gv.Mat."),         QStringLiteral("Gelir Toplamı"),
            QStringLiteral("Kesinti Toplamı"), QStringLiteral("Net Maaş"),     QStringLiteral("Ele Geçen"),
            QStringLiteral("Birimi")};
}

int PayRowsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int PayRowsModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return layout_ == Layout::People ? int(PeopleColumns) : int(PayColumns);
}

QVariant PayRowsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(rows_.size()))
        return {};
    const PayRow &r = rows_[std::size_t(index.row())];
    const int c = index.column();
    if (layout_ == Layout::People) {
        if (role == Qt::TextAlignmentRole && c == PKodu)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole)
            return {};
        switch (c) {
        case PKodu: return r.key.PKOD;
        case PSicil: return r.EMSNO;
        case PAdSoyad: return r.ADSOY;
        default: return {};
        }
    }
    if (role == Qt::TextAlignmentRole && (isAmount(c) || isNumber(c)))
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (c) {
    case Kodu: return r.key.PKOD;
    case AdSoyad: return r.ADSOY;
    case Gorevi: return r.GOR;
    case MDK: return r.MDK;
    case Gost: return r.GOS;
    case EkGost: return r.EGOS;
    case Kid: return r.KIDEM;
    case GvMat: return r.TOPMAT.toText();
    case Gelir: return r.GELTOP.toText();
    case Kesinti: return r.KESTOP.toText();
    case NetMaas: return r.MAAS.toText();
    case EleGecen: return r.NET.toText();
    case Birimi: return r.BIRIM;
    default: return {};
    }
}

QVariant PayRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    const QStringList c = captions(layout_);
    return section >= 0 && section < c.size() ? QVariant(c.at(section)) : QVariant();
}

}  // namespace zeran::payrollscreen
