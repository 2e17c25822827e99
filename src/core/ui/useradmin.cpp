#include "useradmin.h"

#include "commandbar.h"
#include "gridsetup.h"
#include "prompter.h"
#include "session.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zeran::ui {

namespace {
QLineEdit *field(QWidget *parent, const char *name, int maxLength, bool masked = false)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(maxLength);
    if (masked)
        e->setEchoMode(QLineEdit::Password);
    return e;
}

// Passwords are not bounded by the old five-character column any more; a generous limit keeps
// a pasted text from running away.
constexpr int kPasswordLength = 64;
}  // namespace

// ---- KULLANICI TANIMI --------------------------------------------------------------------

UserDialog::UserDialog(db::Database &db, Prompter &prompter, const users::User *user, QWidget *parent)
    : QDialog(parent), db_(db), prompter_(prompter)
{
    setObjectName(QStringLiteral("userDialog"));
    setWindowTitle(QString::fromUtf8(kUserDialogTitle));
    setModal(true);
    name_ = field(this, "nameEdit", 10);
    password_ = field(this, "passwordEdit", kPasswordLength, true);
    repeat_ = field(this, "repeatEdit", kPasswordLength, true);
    description_ = field(this, "descriptionEdit", 30);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral(" Kullanıcı Adı"), name_);
    form->addRow(QStringLiteral(" Kullanıcı Şifresi"), password_);
    form->addRow(QStringLiteral(" Şifre Tekrarı"), repeat_);
    form->addRow(QStringLiteral(" Açıklama"), description_);
    if (user) {
        hno_ = user->HNO;
        hasPassword_ = user->hasPassword;
        name_->setText(user->USR);
        description_->setText(user->ACIK);
        // The built-in user keeps its name.
        name_->setReadOnly(user->HNO == users::kSuperUser);
        // The stored password is never shown: empty fields keep it.
        password_->setPlaceholderText(hasPassword_ ? QStringLiteral("(değişmeyecekse boş)") : QString());
    }
    auto *save = commandButton(QStringLiteral("Kayıt"), QStringLiteral("saveButton"), this);
    auto *exit = commandButton(QStringLiteral("Çıkış"), QStringLiteral("exitButton"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(exit);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, [this] { this->save(); });
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    (user && user->HNO == users::kSuperUser ? password_ : name_)->setFocus();
}

bool UserDialog::save()
{
    users::UserEdit edit{hno_, name_->text(), password_->text(), repeat_->text(), description_->text()};
    try {
        if (const auto refused = users::checkEdit(edit, users::allUsers(db_), hasPassword_)) {
            prompter_.inform(this, refused->message);
            QLineEdit *f = refused->field == users::Field::Name ? name_ : password_;
            f->setFocus();
            f->selectAll();
            return false;
        }
        if (hno_ == 0)
            hno_ = users::createUser(db_, edit);
        else
            users::updateUser(db_, edit);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    } catch (const std::exception &e) {
        prompter_.inform(this, QString::fromUtf8(e.what()));
        return false;
    }
    accept();
    return true;
}

// ---- YENİ ŞİFRE --------------------------------------------------------------------------

NewPasswordDialog::NewPasswordDialog(Prompter &prompter, QWidget *parent) : QDialog(parent), prompter_(prompter)
{
    setObjectName(QStringLiteral("newPasswordDialog"));
    setWindowTitle(QString::fromUtf8(kNewPasswordTitle));
    setModal(true);
    password_ = field(this, "passwordEdit", kPasswordLength, true);
    repeat_ = field(this, "repeatEdit", kPasswordLength, true);
    auto *note = new QLabel(QString::fromUtf8(kNewPasswordNote), this);
    note->setWordWrap(true);
    auto *form = new QFormLayout;
    form->addRow(note);
    form->addRow(QStringLiteral(" Kullanıcı Şifresi"), password_);
    form->addRow(QStringLiteral(" Şifre Tekrarı"), repeat_);
    auto *save = commandButton(QStringLiteral("Kayıt"), QStringLiteral("saveButton"), this);
    auto *exit = commandButton(QStringLiteral("Çıkış"), QStringLiteral("exitButton"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(exit);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    connect(password_, &QLineEdit::returnPressed, repeat_, [this] { repeat_->setFocus(); });
    connect(repeat_, &QLineEdit::returnPressed, this, [this] { this->save(); });
    connect(save, &QPushButton::clicked, this, [this] { this->save(); });
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    password_->setFocus();
}

bool NewPasswordDialog::save()
{
    if (password_->text().isEmpty() || password_->text() != repeat_->text()) {
        prompter_.inform(this, QString::fromUtf8(users::kCheckPasswordMessage));
        password_->setFocus();
        password_->selectAll();
        return false;
    }
    accept();
    return true;
}

QString NewPasswordDialog::password() const
{
    return password_->text();
}

// ---- KULLANICI VE YETKİ TANIMLARI --------------------------------------------------------

UserAdminScreen::UserAdminScreen(Session &session, Prompter &prompter, QWidget *parent)
    : QDialog(parent), session_(session), prompter_(prompter)
{
    setObjectName(QStringLiteral("userAdminScreen"));
    setWindowTitle(QString::fromUtf8(kUserAdminTitle));
    resize(720, 420);

    auto *usersBox = new QGroupBox(QStringLiteral("Kullanıcı Lilstesi"), this);
    userGrid_ = new QTableWidget(0, 2, usersBox);
    userGrid_->setObjectName(QStringLiteral("userGrid"));
    userGrid_->setHorizontalHeaderLabels({QStringLiteral("Kullanıcı Adı"), QStringLiteral("Açıklama")});
    setUpGrid(userGrid_);
    userGrid_->setColumnWidth(0, 120);
    (new QVBoxLayout(usersBox))->addWidget(userGrid_);

    auto *rightsBox = new QGroupBox(QStringLiteral("Yetkiler"), this);
    rightsGrid_ = new QTableWidget(0, 3, rightsBox);
    rightsGrid_->setObjectName(QStringLiteral("rightsGrid"));
    rightsGrid_->setHorizontalHeaderLabels({QStringLiteral("Bölümler"), QStringLiteral("Giriş"), QStringLiteral("İşlem")});
    setUpGrid(rightsGrid_, GridEditing::InPlace);
    (new QVBoxLayout(rightsBox))->addWidget(rightsGrid_);

    auto *lists = new QHBoxLayout;
    lists->addWidget(usersBox, 3);
    lists->addWidget(rightsBox, 2);

    auto *bar = new CommandBar(this);
    auto *add = bar->add(QStringLiteral("Yeni Kullanıcı"), QStringLiteral("newUserButton"));
    auto *change = bar->add(QStringLiteral("Değiştir"), QStringLiteral("changeUserButton"));
    auto *remove = bar->add(QStringLiteral("Kullanıcı Sil"), QStringLiteral("deleteUserButton"));
    bar->addStretch();
    auto *exit = bar->add(QStringLiteral("Çıkış"), QStringLiteral("exitButton"));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addWidget(bar);

    connect(add, &QPushButton::clicked, this, [this] { newUser(); });
    connect(change, &QPushButton::clicked, this, [this] { changeUser(); });
    connect(userGrid_, &QTableWidget::doubleClicked, this, [this] { changeUser(); });
    connect(remove, &QPushButton::clicked, this, [this] { deleteUser(); });
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
    connect(userGrid_, &QTableWidget::currentCellChanged, this, [this] {
        if (!filling_)
            showRights();
    });
    connect(rightsGrid_, &QTableWidget::cellChanged, this, [this](int row, int column) {
        if (!filling_)
            rightEdited(row, column);
    });
    reloadUsers(session_.ctx.KULNO);
}

int UserAdminScreen::currentHno() const
{
    const int row = userGrid_->currentRow();
    return row >= 0 && row < users_.size() ? users_[row].HNO : 0;
}

void UserAdminScreen::reloadUsers(int keepHno)
{
    try {
        users_ = users::listUsers(session_.main());
    } catch (const db::DbError &e) {
        users_.clear();
        prompter_.inform(this, e.text);
    }
    filling_ = true;
    userGrid_->setRowCount(int(users_.size()));
    int keep = users_.isEmpty() ? -1 : 0;
    for (int i = 0; i < users_.size(); ++i) {
        userGrid_->setItem(i, 0, new QTableWidgetItem(users_[i].USR));
        userGrid_->setItem(i, 1, new QTableWidgetItem(users_[i].ACIK));
        if (users_[i].HNO == keepHno)
            keep = i;
    }
    if (keep >= 0)
        userGrid_->setCurrentCell(keep, 0);
    filling_ = false;
    showRights();
}

void UserAdminScreen::showRights()
{
    // The rights shown are those of the selected user, so the super-user sees what is edited.
    const int hno = currentHno();
    rights_.clear();
    if (hno != 0) {
        try {
            rights_ = users::rightsOf(session_.main(), hno);
        } catch (const db::DbError &e) {
            prompter_.inform(this, e.text);
        }
    }
    // The super-user edits everybody's rights but its own (it has all of them anyway).
    const bool editable = session_.ctx.KULNO == users::kSuperUser && hno != users::kSuperUser;
    filling_ = true;
    rightsGrid_->setRowCount(int(rights_.size()));
    for (int i = 0; i < rights_.size(); ++i) {
        auto *kod = new QTableWidgetItem(QString::number(rights_[i].KOD));
        kod->setFlags(kod->flags() & ~Qt::ItemIsEditable);
        rightsGrid_->setItem(i, 0, kod);
        for (int c = 1; c <= 2; ++c) {
            auto *flag = new QTableWidgetItem(c == 1 ? rights_[i].G : rights_[i].K);
            if (!editable)
                flag->setFlags(flag->flags() & ~Qt::ItemIsEditable);
            rightsGrid_->setItem(i, c, flag);
        }
    }
    filling_ = false;
}

void UserAdminScreen::rightEdited(int row, int column)
{
    if (row < 0 || row >= rights_.size() || column < 1)
        return;
    const QString typed = rightsGrid_->item(row, column)->text().trimmed().toUpper();
    users::Right r = rights_[row];
    QString &flag = column == 1 ? r.G : r.K;
    if (typed != QLatin1String("E") && typed != QLatin1String("H")) {
        // Only "E" and "H" mean something: anything else goes back to what is stored.
        filling_ = true;
        rightsGrid_->item(row, column)->setText(flag);
        filling_ = false;
        return;
    }
    flag = typed;
    try {
        users::storeRight(session_.main(), currentHno(), r);
        rights_[row] = r;
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
    filling_ = true;
    rightsGrid_->item(row, column)->setText(flag == typed ? typed : (column == 1 ? rights_[row].G : rights_[row].K));
    filling_ = false;
}

void UserAdminScreen::newUser()
{
    UserDialog dialog(session_.main(), prompter_, nullptr, this);
    if (runUserDialog(dialog))
        reloadUsers(dialog.hno());
}

void UserAdminScreen::changeUser()
{
    const int row = userGrid_->currentRow();
    if (row < 0 || row >= users_.size())
        return;
    const users::User user = users_[row];
    UserDialog dialog(session_.main(), prompter_, &user, this);
    if (runUserDialog(dialog)) {
        // The status bar shows the logged-in user's description.
        if (user.HNO == session_.ctx.KULNO) {
            for (const users::User &u : users::listUsers(session_.main())) {
                if (u.HNO == user.HNO) {
                    session_.ctx.userName = u.USR;
                    session_.ctx.userDescription = u.ACIK;
                }
            }
        }
        reloadUsers(user.HNO);
    }
}

void UserAdminScreen::deleteUser()
{
    const int row = userGrid_->currentRow();
    if (row < 0 || row >= users_.size())
        return;
    const users::User user = users_[row];
    if (user.HNO == users::kSuperUser || user.USR == QLatin1String(users::kSuperUserName)) {
        prompter_.inform(this, QString::fromUtf8(users::kSuperUserDeleteMessage));
        return;
    }
    if (user.HNO == session_.ctx.KULNO) {
        prompter_.inform(this, QString::fromUtf8(users::kSelfDeleteMessage));
        return;
    }
    if (!prompter_.ask(this, QString::fromUtf8(users::kDeleteQuestion)))
        return;
    try {
        users::deleteUser(session_.main(), user.HNO);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
    reloadUsers(session_.ctx.KULNO);
}

void openUserAdmin(QWidget *parent, Session &session, Prompter &prompter)
{
    if (session.ctx.KULNO != users::kSuperUser) {
        prompter.inform(parent, QString::fromUtf8(users::kNoRightMessage));
        return;
    }
    UserAdminScreen screen(session, prompter, parent);
    screen.exec();
}

}  // namespace zeran::ui
