#pragma once
// The installation's two database passwords. They are secrets of the installation, so they
// live outside the code: the environment (ZERAN_DB_PASSWORD, ZERAN_MUH_PASSWORD) wins, else
// the file named by ZERAN_SECRETS (default: <config dir>/ZIVO/ZERAN-secrets.conf, an INI file
// with keys main= and accounting= in the [passwords] group). The embedded engine needs none.

#include <QString>

namespace zeran {

struct Secrets {
    QString mainPassword;
    QString accountingPassword;
    static Secrets load();
    static QString defaultFile();
};

}  // namespace zeran
