#pragma once
// What the payroll screen lists per person: the person list of "Bordro Bilgileri" and the
// grid of "Maaşlar". Made once per reload from the computed run, so that scrolling never
// computes anything.

#include "money.h"
#include "payrecordfields.h"
#include "personpay.h"
#include "runloader.h"

#include <QString>

#include <vector>

namespace zeran::payrollscreen {

struct PayRow {
    RecordKey key;
    QString EMSNO;   ///< "Sicil No" of the person list
    QString ADSOY;   ///< "Adı ve Soyadı"
    QString GOR;     ///< "Görevi": the title
    QString MDK;     ///< "M.D/K": MDER/MKAD
    int GOS = 0, EGOS = 0, KIDEM = 0;
    Money TOPMAT;    ///< "Gv.Mat.": cumulative income-tax base
    Money GELTOP, KESTOP, MAAS;
    Money NET;       ///< "Ele Geçen"
    QString BIRIM;   ///< "Birimi"
};

/// The rows of a computed run: the shown values (display rules applied) of every person, in
/// the selection's order. `pays` holds one PersonPay per loaded.people.
std::vector<PayRow> payRows(const payrollrun::LoadedRun &loaded, const std::vector<engine::PersonPay> &pays);

/// "15 " + month name + " " + year: the period label of the screen and the prints.
QString periodText(int month, int year);

/// A rate of the "Katsayılar" box in its shortest decimal form.
QString rateText(double rate);
QString rateText(Money amount);

}  // namespace zeran::payrollscreen
