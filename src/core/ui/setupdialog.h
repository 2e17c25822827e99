#pragma once
// "SİSTEM TANIMLARI": where the main database lives and which working year to offer. The
// dialog tests a new location by opening the main connection itself and writes the settings
// only when that worked. A newcomer's machine often has no database yet, so an empty (or
// missing, but creatable) folder gets the offer to create an empty PERSONEL.GDB there.

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zeran {
class Session;
}

namespace zeran::ui {

class Prompter;

enum class SetupMode {
    StartUp,      ///< the main connection failed at start-up; cancelling ends the program
    Maintenance,  ///< the hidden "system" command; cancelling changes nothing
};

inline constexpr const char *kFolderMissingMessage = "DİKKAT! Veritabanı Yolu Bulunamadı..!";
inline constexpr const char *kFileMissingMessage = "DİKKAT! Veritabanı Dosyası Bulunamadı..!";
inline constexpr const char *kSetupErrorMessage = "Veritabanı Tanımlarında Hata Var\r";
inline constexpr const char *kYearFormatMessage = "DİKKAT! Çalışma Yılı dört haneli olmalıdır..!";
inline constexpr const char *kDatabaseFileName = "PERSONEL.GDB";

/// The confirmation before an empty database is created at `fullPath`.
QString createOfferMessage(const QString &fullPath);

/// What saving must do about a local database before it connects.
enum class LocalCheck {
    Skip,              ///< a server is named: the folder is the server's, nothing to check here
    Ready,             ///< the folder holds PERSONEL.GDB
    FolderUnusable,    ///< no such folder and none can be made there: folder message
    OfferInNewFolder,  ///< no such folder, but it can be made: offer; refused → folder message
    OfferInFolder,     ///< the folder has no PERSONEL.GDB: offer; refused → file message
};
LocalCheck checkLocalDatabase(const QString &server, const QString &folder);

/// True when `folder` does not exist but mkpath would make it: its nearest existing
/// ancestor is a writable folder.
bool folderCanBeCreated(const QString &folder);

/// The browse button keeps only the folder of the chosen file.
QString folderOfChosenFile(const QString &file);

class SystemSetupDialog : public QDialog {
    Q_OBJECT
public:
    /// `statusUserName` is the user shown in the status bar: the database-kind row is shown
    /// (disabled) only to "ZIVO".
    SystemSetupDialog(Session &session, SetupMode mode, const QString &statusUserName, Prompter &prompter,
                      QWidget *parent = nullptr);

    SetupMode mode() const { return mode_; }
    bool saved() const { return saved_; }
    QString year() const;
    QString fullPath() const;

public slots:
    /// "F5-Kayıt".
    void save();
    /// "F6-Vazgeç".
    void cancel();
    void browse();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void recompute();
    void finish(bool saved);

    Session &session_;
    SetupMode mode_;
    Prompter &prompter_;
    QString vt_;
    bool saved_ = false;
    bool closing_ = false;

    QLineEdit *server_ = nullptr;
    QLineEdit *folder_ = nullptr;
    QLineEdit *fileName_ = nullptr;
    QLabel *fullPath_ = nullptr;
    QLineEdit *year_ = nullptr;
    QComboBox *kind_ = nullptr;
};

}  // namespace zeran::ui
