#pragma once
// The two printed documents of the contribution ledger, from plain data: the yearly summary of
// the people of a unit (A4 landscape, five lines a person, the carry lines "NAKLİ YEKÜN" and
// "Y E K Ü N" on every page) and the monthly summary-and-notice voucher.

#include "document.h"
#include "ledger.h"

#include <QString>
#include <vector>

namespace zeran::contributions {

struct SummaryHeader {
    QString year;        ///< working year
    QString unitName;    ///< "KURUMUN ADI"
    QString place;       ///< "KURUMUN BULUNDUĞU YER" (nothing fills it: printed empty)
    QString office;      ///< "BAĞLI BULUNDUĞU SAYMANLIK" (likewise)
    QString paymaster;   ///< name under "Mutemet "
    QString accountant;  ///< name under "Tahakkuk zeranu"
};

/// "… YILINA AİT ŞAHIS EMEKLİLİK KESENEKLERİ İCMAL BORDROSU": one page per
/// kSummaryPeoplePerPage people, every page opening with the carry from the earlier pages and
/// closing with the carry including itself.
report::Document yearlySummaryDocument(const SummaryHeader &header, const std::vector<SummaryRow> &rows);

struct VoucherData {
    QString monthName;        ///< "ARALIK"
    QString year;             ///< "2026"
    QString bank, branch;     ///< "Banka / Şube"
    QString issueDate;        ///< "Düzenleme Tarihi"
    QString correspondentNo;  ///< "Muhabir No"
    QString institution;      ///< institution name
    QString paymentDate;      ///< "Ödeme Tarihi" as typed
    QString officerName, officerTitle;
    VoucherFigures figures;
    QString totalInWords;     ///< the total in words
};

/// "EMEKLİ KESİNTİLERİ İCMAL VE İHBAR FİŞİ": eight detail rows, the first carrying the figures.
report::Document voucherDocument(const VoucherData &data);

}  // namespace zeran::contributions
