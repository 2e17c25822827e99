#pragma once
// The running program's shell state without any widget: settings, working context, the two
// connections, and the start-up steps that the main window and the command-line tool share.

#include "context.h"
#include "database.h"
#include "secrets.h"
#include "settings.h"

#include <QString>
#include <memory>

namespace zeran {

enum class GateResult {
    Equal,            ///< versions match: go on
    Upgraded,         ///< older database upgraded: the program ends (the user starts again)
    UpgradeFailed,    ///< upgrade rolled back: the program ends
    ProgramTooOld,    ///< database newer than the program: the program ends
    Unreadable,       ///< no settings row / unreadable version text
};

inline constexpr const char *kUpgradedMessage = "25.001 Güncellemeleri Başarıyla Yapıldı.";
inline constexpr const char *kUpgradeFailedMessage = "DİKKAT! Hata oluştuğundan Güncelleme işlemi Yapılamadı.";
inline constexpr const char *kProgramTooOldMessage = "DİKKAT! Program Versiyonu Eski Olduğundan Çalışamazsınız..";
inline constexpr const char *kAccountingMissingMessage = "DİKKAT! Muhasebe Bağlantısı için kayıt bulunamadı";

class Session {
public:
    Session();
    ~Session();

    AppSettings settings;
    WorkingContext ctx;
    Secrets secrets;
    db::Database &main() { return *main_; }
    db::Database &accounting() { return *accounting_; }

    bool connectionFailed = false;
    QString connectionError;

    /// IBASEAC: reads and completes the settings (written back), opens the main database
    /// (on the server SRV when it is set). A refused connection sets connectionFailed.
    void ibaseac(const QString &currentDir);
    /// The main database's connection parameters as the settings give them.
    db::ConnectParams mainParams() const;
    /// Opens the main database with explicit parameters (the setup dialog); throws DbError.
    void openMain(const db::ConnectParams &p);

    /// Activation step 4: output folders EMKYOL/BANYOL defaulted and written back.
    void completeOutputFolders(const QString &currentDir);
    /// The version gate; an older database is upgraded here. `detail` gets an error text.
    /// A database that passes also gets the unique keys of its result rows where it can
    /// (see resultKeyDuplicates).
    GateResult versionGate(QString *detail = nullptr);
    /// After versionGate: result or snapshot rows that stand twice for one pay record, kind
    /// and month, which keep the database from getting its unique keys (one line each).
    QStringList resultKeyDuplicates;
    /// Activation steps 6–7 and 10–11 without the login: date, TANIMOKU, pay window, K.
    void activateContext(const QDate &today);
    /// TANIMOKU: the PTANIM row into the context.
    void tanimoku();
    /// RIGHTSAKTAR: the logged-in user's rights rows into the context.
    void rightsaktar();
    /// HAKBUL: first row with the code; empty texts when none. Sets ctx.G / ctx.K.
    std::pair<QString, QString> hakbul(const QString &code);
    /// Whether the logged-in user may change the data of a rights section: the screens that
    /// gate on a right ask this when they open. No rights row means no (the super-user always
    /// may); ctx.K is set to "E"/"H" accordingly.
    bool mayChange(const QString &section);
    /// Login with login switched off: user 1 with its name and description.
    void loginAsDefaultUser();

    /// MUHIBASEAC: opens the accounting database and fills MUHKOD. False (and MUHKOD
    /// empty) on any error; the caller shows kAccountingMissingMessage and goes on.
    bool muhibaseac(QString *detail = nullptr);
    db::ConnectParams accountingParams() const;

    /// Shutdown: the closing writes of the settings and both disconnections.
    void shutdown();

private:
    std::unique_ptr<db::Database> main_;
    std::unique_ptr<db::Database> accounting_;
};

}  // namespace zeran
