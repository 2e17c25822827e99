#pragma once
// "GENEL TANIMLAR": the installation settings row PTANIM on three pages, and the two output
// folders of this workstation. The pages open locked; "Değiştir" unlocks them and becomes
// "Kayıt". Both "Kayıt" and "Çıkış" store what was changed before the screen closes:
// there is no way out that drops a change, and the window refuses to close otherwise.

#include "generalchoices.h"
#include "generaldata.h"

#include <QDialog>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace zeran {
class Session;
}

namespace zeran::ui {
class Prompter;
}

namespace zeran::general {

/// The picture chooser's filter of the emblem ("Ekle").
inline constexpr const char *kEmblemFilter = "All (*.bmp *.ico);;Bitmaps (*.bmp);;Icons (*.ico)";

class GeneralDefinitionsDialog : public QDialog {
    Q_OBJECT
public:
    GeneralDefinitionsDialog(Session &session, ui::Prompter &prompter, QWidget *parent = nullptr);

    /// Reads the settings row and the lists into the screen; false (after a message) when
    /// the row cannot be read.
    bool load();

    /// The picture chooser of "Ekle"; returns the chosen file or an empty text. The default
    /// is the platform's file dialog; a test puts in its own.
    using PictureChooser = std::function<QString(QWidget *parent)>;
    void setPictureChooser(PictureChooser chooser) { chooser_ = std::move(chooser); }

    /// The entry box of "İlçe Ekle" / "İlçe Adı": fills `code` (only when `codeEditable`) and
    /// `name`; false when the clerk gives up. A test puts in its own.
    using DistrictEditor = std::function<bool(QWidget *parent, const QString &title, bool codeEditable, int &code,
                                              QString &name)>;
    void setDistrictEditor(DistrictEditor editor) { districtEditor_ = std::move(editor); }

    /// The row as the screen now shows it.
    GeneralRow editedRow() const;
    bool editing() const { return editing_; }

public slots:
    /// "Değiştir" unlocks the pages; "Kayıt" stores the row, copies the folders and closes.
    void changeOrSave();
    /// "Çıkış": stores a changed row, copies the folders and closes.
    void exitScreen();
    /// "Ekle": a bitmap or icon file into the emblem.
    void addEmblem();
    /// "Sil": no emblem.
    void removeEmblem();
    /// "İlçe Ekle": a district of the chosen province with the register's code.
    void addDistrictOfProvince();
    /// "İlçe Adı": renames the chosen district.
    void renameChosenDistrict();
    /// Escape does not close the screen.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Choice {
        QComboBox *box = nullptr;
        CodeItems list;
        QString GeneralRow::*column = nullptr;
    };

    QLineEdit *lineEdit(const char *objectName, int maxLength);
    QComboBox *choiceBox(const char *objectName, const CodeItems &list, QString GeneralRow::*column);
    void provinceChosen();
    void districtChosen();
    void showEmblem();
    void setPanelsEnabled(bool on);
    /// Stores the row when it differs from the stored one; false (after a message, the
    /// screen staying open) when it cannot.
    bool storeRow();
    /// The two folder fields into the settings values (the main window writes them to the
    /// store afterwards) and the stored accounting folder into the working context.
    void copyFolders();
    void finish();

    Session &session_;
    ui::Prompter &prompter_;
    PictureChooser chooser_;
    DistrictEditor districtEditor_;
    void listDistricts();
    GeneralRow stored_;
    QByteArray logo_;
    std::optional<int> districtCode_;
    std::optional<int> payingUnitCode_;
    bool editing_ = false;
    bool finished_ = false;

    QLabel *version_ = nullptr;
    QTabWidget *tabs_ = nullptr;
    QList<QWidget *> panels_;
    QPushButton *changeButton_ = nullptr;
    QPushButton *exitButton_ = nullptr;

    QLineEdit *kurum_ = nullptr;
    QComboBox *province_ = nullptr;
    QComboBox *district_ = nullptr;
    QLineEdit *year_ = nullptr;
    QLineEdit *mail_ = nullptr;
    QLineEdit *skod_ = nullptr;
    QLineEdit *sadi_ = nullptr;
    QLineEdit *issn_ = nullptr;
    QComboBox *activeUnit_ = nullptr;
    QComboBox *payingUnit_ = nullptr;
    QPushButton *noPayingUnit_ = nullptr;
    QLineEdit *mhost_ = nullptr;
    QLineEdit *muhyol_ = nullptr;
    QLineEdit *nufus_ = nullptr;
    QLineEdit *emkyol_ = nullptr;
    QLineEdit *banyol_ = nullptr;
    QPushButton *addDistrict_ = nullptr;
    QPushButton *renameDistrict_ = nullptr;
    QLineEdit *nviyol_ = nullptr;
    QLineEdit *nviusr_ = nullptr;
    QLineEdit *nvipswd_ = nullptr;

    QLineEdit *sbkod_ = nullptr;
    QLineEdit *khesno_ = nullptr;
    QLineEdit *kmusno_ = nullptr;
    QLineEdit *bmail_ = nullptr;
    QLineEdit *ttba_ = nullptr;
    QLineEdit *ttsa_ = nullptr;

    QCheckBox *pekfark_ = nullptr;
    QCheckBox *yemekgv_ = nullptr;
    QCheckBox *yemekgss_ = nullptr;
    QLabel *emblem_ = nullptr;
    QPushButton *addEmblem_ = nullptr;
    QPushButton *removeEmblem_ = nullptr;

    QList<Choice> choices_;
};

/// The main menu's "Genel Tanımlar": shows the screen modally with the real message boxes.
/// The caller then runs what follows the screen (MainWindow::afterGeneralDefinitions).
void openGeneralDefinitions(QWidget *parent, Session &session);

}  // namespace zeran::general
