#include "codelist.h"

namespace zeran {

int indexOfCode(const CodeItems &list, const QString &codeIn)
{
    // Codes read back from a padded CHAR column carry blanks.
    const QString code = codeIn.trimmed();
    if (code.isEmpty())
        return -1;
    for (int i = 0; i < list.size(); ++i)
        if (list.at(i).code == code)
            return i;
    return -1;
}

QString codeAt(const CodeItems &list, int index)
{
    return index >= 0 && index < list.size() ? list.at(index).code : QString();
}

QString textOfCode(const CodeItems &list, const QString &code)
{
    const int i = indexOfCode(list, code);
    return i < 0 ? QString() : list.at(i).text;
}

QStringList texts(const CodeItems &list)
{
    QStringList out;
    out.reserve(list.size());
    for (const CodeItem &i : list)
        out << i.text;
    return out;
}

const CodeItems &yesNoCodes()
{
    static const CodeItems list{{QStringLiteral("E"), QStringLiteral("Evet")}, {QStringLiteral("H"), QStringLiteral("Hayır")}};
    return list;
}

}  // namespace zeran
