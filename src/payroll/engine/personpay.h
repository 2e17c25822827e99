#pragma once
// PersonPay: every amount of one person's monthly result and the intermediates the stages
// pass to each other. Members bear the names the rules use; where the stored column has
// another name it is given in the comment. A new PersonPay is all zero: nothing survives from
// one person to the next.

#include "money.h"

#include <QString>

#include <array>

namespace zeran::engine {

struct PersonPay {
    // Salary items (stages 1, 6, 7)
    Money FMESTUT;     ///< overtime (FAZMES)
    Money YEMEK;       ///< meal allowance
    Money TERFI;       ///< promotion difference of earlier months (TERFAR)
    Money ARTIS1;      ///< this month's raise difference (ARTIS)
    Money ARTIS2;      ///< twice ARTIS1, deducted again
    Money AYTUT;       ///< monthly salary
    Money EGOSTUT;     ///< additional-indicator amount
    Money AYTUTEMKES;  ///< salary and additional indicator on the retirement scale
    Money EKAYTUT;     ///< retirement-scale indicator amount
    Money EKEGOSTUT;   ///< retirement-scale additional-indicator amount
    Money TABAY;       ///< base salary
    Money TABAYEMKES;  ///< base salary before insurance-kind, acting and partial-month adjustment
    Money TABAYODE;    ///< base salary after them
    Money KIDAY;       ///< seniority pay
    Money KIDAYEMKES;  ///< seniority pay before proration
    Money YANOD;       ///< side payment
    Money AILEYRD;     ///< family allowance
    Money COCYRD;      ///< child allowance, children aged 0–6
    Money COCYRD1;     ///< child allowance, children older than six
    Money AILECOCTOP;  ///< AILEYRD + COCYRD1 + COCYRD
    Money AGIMAT;      ///< base of the minimum living allowance
    Money OHTTUT;      ///< special service compensation (OZHIZTAZ)
    Money EKODTUT;     ///< additional payment
    Money LOJTAZ;      ///< housing compensation
    Money EKTAZTUT;    ///< additional compensation (EKTAZ)
    Money DILTAZ;      ///< language compensation
    Money DIGTAZTUT;   ///< other compensation (DIGTAZ)

    // Extra items and personal deductions (stages 3, 4, 5, 7)
    std::array<Money, 10> KAZ{};     ///< KAZ1 … KAZ10
    std::array<QString, 10> KAZA{};  ///< names of the items in use
    std::array<Money, 5> KES{};      ///< KES1 … KES5
    std::array<QString, 5> KESA{};   ///< names of the active special deductions
    Money PCEZA, KIRA;
    Money ICRA;        ///< garnishment instalment
    Money HIZBOR;      ///< service-debt instalment
    Money KEFTUT;      ///< surety deduction (KEFALET)
    Money INDIRIM;     ///< tax-base allowance

    // Premiums and retirement contributions (stages 2, 5, 8, 13)
    Money EMKESEKI;    ///< retirement-base supplement by additional-indicator band
    Money YEMGSS;      ///< taxable part of the meal allowance in the bases
    Money KAZEKMAT;    ///< extra items in the retirement or premium base
    Money GSSMAT;      ///< premium base under law 5510
    Money PEKFARK;     ///< shortfall of the premium base below the minimum wage
    Money MYOI, MYOP, GSSI, GSSP;
    Money PRIMTOP;     ///< MYOI + MYOP + GSSI + GSSP
    Money EKMAT;       ///< retirement-contribution base
    Money EMKESD, EMKESM;
    Money GECICI;      ///< employer health premium of fund members (DVVIADE)
    Money ILKGIRIS;    ///< first-entry fee
    Money EKGOSFARK;   ///< added contribution for the higher retirement additional indicator
    Money BESTUT;      ///< private pension contribution (BES)

    // Gross total (stage 9)
    Money GELTOP;

    // Taxes (stages 10, 12, 13)
    Money KAZDVMAT, KAZGVMAT;
    Money DVMAT, DAMVER, DVMAT1, DAMVER1, DAMVERK;  ///< DAMVERK is stored as DAMVERKES
    Money GVMAT;       ///< this month's income-tax base (VERMAT)
    Money TOPMAT;      ///< cumulative income-tax base including this month ("Gv.Mat.")
    double GVOR = 0;   ///< marginal income-tax rate, fraction (VEROR)
    Money GELVER;
    Money GVMAT1;      ///< base of the minimum-wage exemption (VERMAT1)
    Money TOPMAT1;
    double GVOR1 = 0;  ///< marginal rate of the exemption, fraction (stored in percent as VEROR1)
    Money GELVER1;
    Money GELVERK;     ///< income tax withheld after the exemption (GELVERKES)
    Money AGIMATX;     ///< minimum living allowance before its limits
    Money ASGIND;      ///< minimum living allowance paid (VIADE)

    // Union dues (stage 11)
    Money SENTUT;      ///< SEN1
    QString SENAD;     ///< union name

    // Totals (stage 14)
    Money OZKES;       ///< special deductions total (OZELKES)
    Money KESTOP;      ///< total of deductions
    Money MAAS;        ///< pay after deductions
    Money ACIKKES;     ///< withheld from a suspended person, four decimals
};

}  // namespace zeran::engine
