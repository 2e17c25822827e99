#pragma once
// Screen commands carry their keys in their captions ("F2-Ekle", "F5-Kayıt", "F6-Vazgeç",
// "ESC-Çıkış"): a command button takes its shortcut from its caption, so the caption a clerk
// reads is the key that works. Captions stay exactly as each screen gives them.

#include <QKeySequence>
#include <QPushButton>
#include <QWidget>

class QHBoxLayout;

namespace zeran::ui {

/// The key a caption names: "F2-Ekle" F2, "F10 Yazdır" F10, "ESC-Çıkış" and "ESC Çıkış" Esc;
/// none for any other caption ("Çıkış", "Kayıt").
QKeySequence keyOfCaption(const QString &caption);

/// A command button: its caption, object name and the key of its caption; never the
/// dialog's default button (Enter belongs to the field being typed in).
QPushButton *commandButton(const QString &caption, const QString &objectName, QWidget *parent = nullptr);
/// The same with an explicit key (a key the caption does not name, e.g. "Bul" on Ctrl+F).
QPushButton *commandButton(const QString &caption, const QString &objectName, const QKeySequence &key,
                           QWidget *parent);

/// A row of command buttons, left to right as added, with stretches where asked.
class CommandBar : public QWidget {
    Q_OBJECT
public:
    explicit CommandBar(QWidget *parent = nullptr);
    QPushButton *add(const QString &caption, const QString &objectName);
    void addStretch();

private:
    QHBoxLayout *layout_;
};

}  // namespace zeran::ui
