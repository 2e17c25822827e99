#pragma once
// The version line of the splash and the status bar.

#include "calendar.h"

#include <QString>

namespace zeran::ui {

/// "Ver:25.001.Günc.6"
inline QString versionLine()
{
    return QStringLiteral("Ver:") + QString::fromUtf8(cal::kVersionText) + QLatin1Char('.') +
           QString::fromUtf8(cal::kUpdateText);
}

}  // namespace zeran::ui
