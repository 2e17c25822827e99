#pragma once
// A drop-down list whose items carry the codes they store. An empty first item (when asked
// for) lets a chooser be cleared; a stored code that is not in the list shows as nothing
// chosen, so it is kept as stored unless the clerk chooses another item.

#include "codelist.h"

#include <QComboBox>
#include <optional>

namespace zeran::ui {

class CodeCombo : public QComboBox {
    Q_OBJECT
public:
    explicit CodeCombo(QWidget *parent = nullptr);

    /// A fixed list ("Evet" E / "Hayır" H …).
    void setChoices(const CodeItems &choices);
    /// A list read from a table; `withEmptyItem` puts an empty first item that means "none".
    void setLookup(const LookupList &items, bool withEmptyItem);

    /// The chosen code; an invalid QVariant when nothing (or the empty item) is chosen.
    QVariant code() const;
    QString codeText() const { return code().toString(); }
    std::optional<int> codeNumber() const;
    /// Chooses the item of `code`; nothing chosen when there is none.
    void setCode(const QVariant &code);
};

}  // namespace zeran::ui
