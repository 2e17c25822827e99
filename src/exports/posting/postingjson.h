#pragma once
// The JSON of "zeran-cli posting prepare": the request, the prepared lines, the five totals
// and the journal entry the posting would write. Amounts as plain decimals with four places.

#include "postingstore.h"

#include <QByteArray>

namespace zeran::posting {

QByteArray preparationJson(const Preparation &p, const std::vector<PreparedLine> &lines, const Entry &entry);

}  // namespace zeran::posting
