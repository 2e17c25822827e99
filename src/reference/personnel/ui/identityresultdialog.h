#pragma once
// "TCK Sorgu Sonucu": the identity and address data of an identity query, offered for
// take-over ("F5-Aktar") or dismissed ("F6-Vazgeç").

#include "identity.h"

#include <QDialog>

namespace zeran::personnel {

class IdentityResultDialog : public QDialog {
    Q_OBJECT
public:
    explicit IdentityResultDialog(const IdentityAnswer &answer, QWidget *parent = nullptr);

    /// The text shown in the field `objectName` (for checking what is offered).
    QString shown(const QString &objectName) const;

public slots:
    void takeOver() { accept(); }
    void dismiss() { reject(); }
};

}  // namespace zeran::personnel
