#pragma once
// The working context: the one process-wide record every screen reads (working year,
// half-year, run month, active unit, installation flags, logged-in user). It is filled at
// start-up and changed only by the start-up sequence, the working-year dialog and the unit
// boxes that name a single unit.

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QVector>

namespace zeran {

struct RightRow {
    int kod = 0;
    QString g, k;
};

struct WorkingContext {
    // Period
    QString CYIL;       ///< working year, 4 digits, from PTANIM.CYIL
    QString DON;        ///< "1" January–June, "2" July–December
    int AY = 0;         ///< run month: the calendar month of the start-up date
    int GUN = 0;        ///< day of the start-up date
    QString AYADI;      ///< month name of AY
    QString GUNADI;     ///< weekday name of the start-up date
    QDate today;        ///< the start-up date itself

    /// The date screens reckon by (run month, ages): the start-up date, or the clock's date
    /// before the context has one.
    QDate startUpDate() const;
    QDate DONBAS, DONBIT;

    // Installation (PTANIM)
    QString KURUM;
    int MBKOD = 0;
    int MODEMEBKOD = 0;
    QString MAIL;
    QString NVIUSR, NVIPSWD;
    QString MUHYOL;     ///< accounting database folder; YOL when empty
    QString MUHKOD;     ///< account-code prefix K1.K2.K3 of the accounting database
    QString FORM, BORTEK, MKESDUR, HBORKESDUR, ONIZ, OTOODE, TUR, IZL, UDUR, ASUCISTISNA;
    QString YEMEKGV, YEMEKGSS;  ///< "T" / "F" from the Boolean columns
    bool PEKFARK = false;
    QByteArray LOGO;

    // User
    int KULNO = 1;
    QString userName;         ///< USERS.USR shown in the status bar
    QString userDescription;  ///< USERS.ACIK
    QVector<RightRow> rights; ///< only the first 18 rows take part in look-ups
    QString G, K;             ///< result of the last rights look-up; K is "E" after start-up

    // Audit fields of the operation about to be logged
    QString auditACIK, auditBOLUM, auditTUR;
    int auditKAYNO1 = 0, auditKAYNO2 = 0;

    /// Sets AY, GUN, names, DON from `date` (the start-up date).
    void setDate(const QDate &date);
    /// Sets DONBAS/DONBIT from AY and CYIL.
    void setPayWindow();
    /// "9-ARALIK(12)-2026".
    QString dateText() const;
};

}  // namespace zeran
